#pragma once

#include <cstdint>
#include <span>

#include "conversion/ProgressSink.h"
#include "conversion/WorkingData.h"
#include "image/TBitmap32.h"
#include "platform/MessageBox.h"

namespace pixmora {

// Every pixel as the index of the first table entry (0x00BBGGRR) with its R, G and B. A pixel
// found in no entry shows "Can't find a pixel palette entry" and ends the stage; that and a
// cancel return false.
bool EncodePaletteIndices(const TBitmap32& image, std::uint16_t width, std::uint16_t height,
                          std::span<const std::uint32_t> colorTable, WorkingData& data,
                          Progress& progress, MessageBoxService& messages);

// The message of a pixel found in no entry.
void ShowMissingPaletteEntry(MessageBoxService& messages);

// Packs the indices 2, 4 or 8 to a byte, the earlier pixel in the higher bits, across row ends;
// a last partial byte has 0 in its missing positions.
void PackPalette2(WorkingData& data);
void PackPalette4(WorkingData& data);
void PackPalette8(WorkingData& data);

// The table as 5-6-5 values, two bytes per entry, high byte first. False when cancelled.
bool ConvertColorTable(std::span<const std::uint32_t> colorTable, WorkingData& tableBytes,
                       Progress& progress);

}  // namespace pixmora

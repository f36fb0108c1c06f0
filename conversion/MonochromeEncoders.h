#pragma once

#include <cstdint>

#include "conversion/ProgressSink.h"
#include "conversion/WorkingData.h"
#include "image/TBitmap32.h"

namespace pixmora {

// One bit per pixel, set for pure black (R = G = B = 0, whatever the alpha). A byte takes its
// pixels from bit 8 - n upwards, so a full byte has its first pixel in bit 0 and a partial
// group of n pixels sits in the top n bits.
//
// Vertical: pages of eight rows from the top, within a page column by column, the page's top
// row in the low bit. Horizontal: eight consecutive pixels of the pixel stream, across row ends.
// Both return false when cancelled, leaving `data` partly written.
bool EncodeMonochromeVertical(const TBitmap32& image, std::uint16_t width, std::uint16_t height,
                              WorkingData& data, Progress& progress);
bool EncodeMonochromeHorizontal(const TBitmap32& image, std::uint16_t width, std::uint16_t height,
                                WorkingData& data, Progress& progress);

}  // namespace pixmora

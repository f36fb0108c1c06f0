#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "decode/ClassicLayout.h"
#include "image/TBitmap32.h"

namespace pixmora {

// The number of bytes the encoder of `encoding` emits for a picture of width x height.
// 2, 4 or 8 for palette indices packed into a byte, else 1.
int PixelsPerByte(ClassicEncoding encoding);

std::uint64_t EncodedByteCount(ClassicEncoding encoding, int width, int height);

// Paints `picture` (already of its size) as a display shows the encoder's bytes, which are
// EncodedByteCount of them; palette encodings look their indices up in `table` (5-6-5 colors).
// Returns the fault, a pixel whose index lies beyond the table, or an empty text.
std::string PaintPixels(ClassicEncoding encoding, std::span<const std::uint8_t> bytes,
                        std::span<const std::uint16_t> table, TBitmap32& picture);

}  // namespace pixmora

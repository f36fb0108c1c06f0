#pragma once

#include <cstdint>
#include <vector>

#include "image/PaletteColor.h"
#include "image/TBitmap32.h"

namespace pixmora {

// An image of palette indices, row-major from the top row.
struct TIndexedImage {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint8_t> Indices;
  std::vector<TPaletteColor> Palette;
};

// Reduces image (red, green and blue; alpha is ignored) to 2^bits colors, bits from 1 to 8: an
// octree palette, then serpentine Floyd-Steinberg dithering onto it. The palette has exactly
// 2^bits entries. Throws std::invalid_argument for any other bits.
TIndexedImage QuantizeImage(const TBitmap32& image, int bits);

// Each pixel the color of its palette entry, opaque.
TBitmap32 IndexedToBitmap(const TIndexedImage& indexed);

}  // namespace pixmora

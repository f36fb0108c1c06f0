#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "image/TBitmap32.h"

namespace pixmora {

struct IndexedPixels {
  std::string error;                   // why the picture has no palette of 2^bits colors
  std::vector<std::uint32_t> palette;  // 0x00BBGGRR, at most 2^bits entries
  std::vector<std::uint8_t> indices;   // one per pixel, row-major
};

// The palette of an index target and every pixel's index in it. The picture's palette (a
// palette file, or the last color reduction) is taken as it is when it has at most 2^bits
// entries and holds every pixel's color (the first of equal entries wins); otherwise a picture
// of at most 2^bits colors gets those colors in the order they first appear. Transparency is
// not kept: a pixel is indexed by its color as the classic path sees it. `label` names the
// target in the error, which says how to reduce the colors.
IndexedPixels IndexPixels(const TBitmap32& image, std::span<const std::uint32_t> palette, int bits,
                          const std::string& label);

}  // namespace pixmora

#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "decode/OutputDecoder.h"
#include "decode/TargetLayout.h"
#include "image/TBitmap32.h"

namespace pixmora {

// The values of one array of a target's output: bytes or 16-bit values as PlaneShapes says.
using Plane = std::span<const std::uint16_t>;

struct PaintFault {
  std::string reason;
  DataPosition where;  // array: the plane's number; index: the value's
};

// Paints `picture` (already of the layout's size) as a display shows the planes, which have
// the counts of PlaneShapes and bytes no wider than 8 bits:
//   1-bit targets: a set bit black, or white with invert (the picture as it was thresholded);
//   5-6-5 widened by bit replication; rgb332 first widened to 5-6-5 as TFT_eSPI's pushImage
//   sends it to the display; gray levels widened by bit replication; index maps as 5-6-5;
//   a clear --mask bit and LVGL's alpha as the pixel's alpha over its color; LVGL A8 black with
//   the alpha, as an image recolored black.
// Bits after a row's last pixel, bytes up to an LVGL stride and bits below the last page are
// 0 in every layout; one that is not is a fault.
std::optional<PaintFault> PaintTarget(const TargetLayout& layout, std::span<const Plane> planes,
                                      TBitmap32& picture);

// The 5-6-5 value that TFT_eSPI's pushImage makes of a 3-3-2 pixel.
std::uint16_t Widen332To565(std::uint32_t value);

}  // namespace pixmora

#pragma once

#include <optional>
#include <string>

#include "image/TBitmap32.h"

namespace pixmora {

// The first pixel, in row order, where `shown` differs from `expected` (alpha included), as
// "pixel (X, Y) shows #RRGGBB, expected #RRGGBB" (with "alpha A" where it is not opaque);
// nothing when they are equal. Pictures of different sizes differ in their size.
std::optional<std::string> FirstDifference(const TBitmap32& shown, const TBitmap32& expected);

// Peak signal-to-noise ratio in dB over the red, green and blue of every pixel: the shown
// picture over black (its alpha covers that much of it), the source as the classic conversion
// reads it (its alpha bytes ignored; a decoder left its transparency over black); infinite when
// they are equal.
double Psnr(const TBitmap32& shown, const TBitmap32& source);

}  // namespace pixmora

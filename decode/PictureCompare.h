#pragma once

#include <optional>
#include <string>

#include "image/TBitmap32.h"

namespace pixmora {

// "#RRGGBB", with " alpha A" where the pixel is not opaque.
std::string PixelText(std::uint32_t pixel);

// The first pixel, in row order, where `shown` differs from `expected` (alpha included), as
// "pixel (X, Y) shows #RRGGBB, expected #RRGGBB" (with "alpha A" where it is not opaque);
// nothing when they are equal. Pictures of different sizes differ in their size.
std::optional<std::string> FirstDifference(const TBitmap32& shown, const TBitmap32& expected);

// Peak signal-to-noise ratio in dB over the red, green and blue of every pixel: the shown
// picture over black (its alpha covers that much of it), the source as the classic conversion
// reads it (its alpha bytes ignored; a decoder left its transparency over black); infinite when
// they are equal.
double Psnr(const TBitmap32& shown, const TBitmap32& source);

// The largest difference of red, green and blue between a pixel the display shows (over black
// where its alpha does not cover it, as Psnr reads it) and the source pixel (its alpha ignored,
// as the classic conversion reads it).
int ColorDifference(std::uint32_t shown, std::uint32_t source);

// A pixel "differs" from the source when its ColorDifference is more than a tolerance of 0 to
// 255. The default lets every 5-6-5 output through, whose widened channels are never more than
// 7 off, and marks what 4-4-4, 3-3-2, gray levels, palettes and monochrome lose.
inline constexpr int kDefaultDifferenceTolerance = 8;
inline constexpr int kMaxDifferenceTolerance = 255;

// "42.66 dB", or "exact" for an infinite ratio.
std::string PsnrText(double psnr);

}  // namespace pixmora

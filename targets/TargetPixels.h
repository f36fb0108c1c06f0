#pragma once

#include <cstdint>
#include <vector>

#include "image/TBitmap32.h"

namespace pixmora {

// One row of pixels in planes of red, green, blue and coverage.
struct RowPlanes {
  explicit RowPlanes(int width)
      : r(static_cast<std::size_t>(width)),
        g(static_cast<std::size_t>(width)),
        b(static_cast<std::size_t>(width)),
        a(static_cast<std::size_t>(width)) {}

  std::vector<std::uint8_t> r, g, b, a;
};

// Row y of the working image in full color, every pixel blended over background (0x00RRGGBB) by
// its coverage; row.a gets the coverage.
void BlendedRow(const TBitmap32& image, int y, std::uint32_t background, RowPlanes& row);

// Row y with straight (not premultiplied) colors and the coverage, for formats that keep alpha.
// A fully transparent pixel has no color of its own and gets black.
void StraightRow(const TBitmap32& image, int y, RowPlanes& row);

// Luma by Rec. 601: (299 R + 587 G + 114 B + 500) / 1000, 0 to 255. As (sum + 500.5) * 0.001
// in single precision: the half keeps every result a safe distance from the next whole number,
// and the multiplication vectorizes where the division does not.
inline std::uint8_t Luma(int r, int g, int b) {
  return static_cast<std::uint8_t>((static_cast<float>(299 * r + 587 * g + 114 * b) + 500.5f) *
                                   0.001f);
}
void LumaRow(const RowPlanes& row, std::uint8_t* luma);

// Whether every pixel of row y is fully covered.
bool RowIsOpaque(const TBitmap32& image, int y);
// The luma of row y straight from its pixels, for a row that is opaque: blending changes none.
void OpaqueLumaRow(const TBitmap32& image, int y, std::uint8_t* luma);

}  // namespace pixmora

#include "targets/TargetPixels.h"

#include <algorithm>

namespace pixmora {

namespace {

int Channel(std::uint32_t color, int c) {
  return static_cast<int>((color >> (16 - 8 * c)) & 0xFFu);
}

// Rounded to the nearest, halves away from zero.
int RoundedDivide(int numerator, int denominator) {
  return numerator >= 0 ? (numerator + denominator / 2) / denominator
                        : -((-numerator + denominator / 2) / denominator);
}

std::uint8_t Byte(int value) {
  return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

// Each pixel's coverage: the plane's byte, or the alpha byte.
const std::uint8_t* CoverageRow(const TBitmap32& image, int y) {
  if (!image.HasCoveragePlane())
    return nullptr;
  return image.CoveragePlane().data() + static_cast<std::size_t>(y) * image.Width();
}

// Most rows of most pictures cover everything: their colors are taken in one plain pass.
bool SplitIfOpaque(const TBitmap32& image, int y, RowPlanes& row) {
  if (!RowIsOpaque(image, y))
    return false;
  const std::uint32_t* pixels = image.Row(y);
  for (std::size_t x = 0; x < row.r.size(); ++x) {
    row.r[x] = static_cast<std::uint8_t>(pixels[x] >> 16);
    row.g[x] = static_cast<std::uint8_t>(pixels[x] >> 8);
    row.b[x] = static_cast<std::uint8_t>(pixels[x]);
  }
  std::fill(row.a.begin(), row.a.end(), 0xFF);
  return true;
}

}  // namespace

bool RowIsOpaque(const TBitmap32& image, int y) {
  const auto width = static_cast<std::size_t>(image.Width());
  if (const std::uint8_t* plane = CoverageRow(image, y))
    return std::all_of(plane, plane + width, [](std::uint8_t a) { return a == 0xFF; });
  const std::uint32_t* pixels = image.Row(y);
  return std::all_of(pixels, pixels + width, [](std::uint32_t p) { return p >> 24 == 0xFF; });
}

void OpaqueLumaRow(const TBitmap32& image, int y, std::uint8_t* luma) {
  const std::uint32_t* pixels = image.Row(y);
  for (int x = 0; x < image.Width(); ++x) {
    const std::uint32_t p = pixels[x];
    luma[x] = Luma(static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF),
                   static_cast<int>(p & 0xFF));
  }
}

void BlendedRow(const TBitmap32& image, int y, std::uint32_t background, RowPlanes& row) {
  if (SplitIfOpaque(image, y, row))
    return;
  const std::uint32_t* pixels = image.Row(y);
  const std::uint8_t* plane = CoverageRow(image, y);
  const std::optional<std::uint32_t> over = image.BlendedOver();
  std::uint8_t* out[3] = {row.r.data(), row.g.data(), row.b.data()};
  for (int x = 0; x < image.Width(); ++x) {
    const std::uint32_t p = pixels[x];
    const int a = plane ? plane[x] : static_cast<int>(p >> 24);
    row.a[x] = static_cast<std::uint8_t>(a);
    for (int c = 0; c < 3; ++c) {
      const int color = Channel(p, c);
      if (a == 255) {
        out[c][x] = static_cast<std::uint8_t>(color);
      } else if (over) {
        // The color is already blended over another background: move it to this one.
        const int shift = Channel(background, c) - Channel(*over, c);
        out[c][x] = Byte(color + RoundedDivide(shift * (255 - a), 255));
      } else {
        out[c][x] = Byte((color * a + Channel(background, c) * (255 - a) + 127) / 255);
      }
    }
  }
}

void StraightRow(const TBitmap32& image, int y, RowPlanes& row) {
  if (SplitIfOpaque(image, y, row))
    return;
  const std::uint32_t* pixels = image.Row(y);
  const std::uint8_t* plane = CoverageRow(image, y);
  const std::optional<std::uint32_t> over = image.BlendedOver();
  std::uint8_t* out[3] = {row.r.data(), row.g.data(), row.b.data()};
  for (int x = 0; x < image.Width(); ++x) {
    const std::uint32_t p = pixels[x];
    const int a = plane ? plane[x] : static_cast<int>(p >> 24);
    row.a[x] = static_cast<std::uint8_t>(a);
    for (int c = 0; c < 3; ++c) {
      const int color = Channel(p, c);
      if (a == 0) {
        out[c][x] = 0;
      } else if (a == 255 || !over) {
        out[c][x] = static_cast<std::uint8_t>(color);
      } else {
        const int numerator = color * 255 - Channel(*over, c) * (255 - a);
        out[c][x] = Byte(numerator <= 0 ? 0 : (numerator + a / 2) / a);
      }
    }
  }
}

void LumaRow(const RowPlanes& row, std::uint8_t* luma) {
  const std::size_t width = row.r.size();
  for (std::size_t x = 0; x < width; ++x) {
    luma[x] =
        static_cast<std::uint8_t>((299 * row.r[x] + 587 * row.g[x] + 114 * row.b[x] + 500) / 1000);
  }
}

}  // namespace pixmora

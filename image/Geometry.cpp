#include "image/Geometry.h"

#include <algorithm>
#include <cmath>

namespace pixmora {
namespace {

// Rounding to nearest with ties to even (the default floating-point rounding mode).
int RoundEven(float value) {
  return static_cast<int>(std::nearbyint(value));
}

// Moves every pixel (x, y) of source to the destination index destIndex(x, y) of an image with
// swapped sides, in square tiles so that both the reads and the strided writes stay in cache.
template <typename DestIndex>
TBitmap32 Rotate(const TBitmap32& source, DestIndex destIndex) {
  constexpr int kTile = 64;
  const int w = source.Width();
  const int h = source.Height();
  TBitmap32 result(h, w);
  std::uint32_t* out = result.Pixels().data();
  for (int ty = 0; ty < h; ty += kTile) {
    for (int tx = 0; tx < w; tx += kTile) {
      const int yEnd = std::min(ty + kTile, h);
      const int xEnd = std::min(tx + kTile, w);
      for (int y = ty; y < yEnd; ++y) {
        const std::uint32_t* in = source.Row(y);
        for (int x = tx; x < xEnd; ++x)
          out[destIndex(x, y)] = in[x];
      }
    }
  }
  return result;
}

// One axis of a selection: the low edge stays inside the image, the high edge keeps at least
// one pixel of it.
void ClampSpan(float& low, float& high, float size) {
  if (low <= 0)
    low = 0;
  if (low >= size)
    low = size - 1;
  if (high >= size)
    high = size;
  if (high <= 0)
    high = 1;
}

}  // namespace

TCropRect WholeImageRect(int width, int height) {
  return {0.0f, 0.0f, static_cast<float>(width), static_cast<float>(height)};
}

// Destination (x', y') = source (y', h - 1 - x').
TBitmap32 RotateRight(const TBitmap32& source) {
  const std::size_t h = source.Height();
  return Rotate(source, [h](std::size_t x, std::size_t y) { return x * h + (h - 1 - y); });
}

// Destination (x', y') = source (w - 1 - y', x').
TBitmap32 RotateLeft(const TBitmap32& source) {
  const std::size_t w = source.Width();
  const std::size_t h = source.Height();
  return Rotate(source, [w, h](std::size_t x, std::size_t y) { return (w - 1 - x) * h + y; });
}

void FlipHorizontal(TBitmap32& image) {
  for (int y = 0; y < image.Height(); ++y) {
    std::uint32_t* row = image.Row(y);
    std::reverse(row, row + image.Width());
  }
}

void FlipVertical(TBitmap32& image) {
  for (int top = 0, bottom = image.Height() - 1; top < bottom; ++top, --bottom) {
    std::swap_ranges(image.Row(top), image.Row(top) + image.Width(), image.Row(bottom));
  }
}

TCropRect ConstrainCropRect(TCropRect proposed, int width, int height) {
  TCropRect r{std::nearbyint(proposed.Left), std::nearbyint(proposed.Top),
              std::nearbyint(proposed.Right), std::nearbyint(proposed.Bottom)};
  ClampSpan(r.Left, r.Right, static_cast<float>(width));
  ClampSpan(r.Top, r.Bottom, static_cast<float>(height));
  return r;
}

TCropResult CropImage(TBitmap32& image, const TCropRect& rect) {
  const int newWidth = RoundEven(rect.Right - rect.Left);
  const int newHeight = RoundEven(rect.Bottom - rect.Top);
  if (newWidth <= 0 || newHeight <= 0) {
    return {false, "The crop selection is empty: it must be at least one pixel wide and high."};
  }
  const int left = RoundEven(rect.Left);
  const int top = RoundEven(rect.Top);
  const int right = RoundEven(rect.Right);
  const int bottom = RoundEven(rect.Bottom);
  if (left < 0 || top < 0 || right > image.Width() || bottom > image.Height()) {
    return {false, "The crop selection reaches outside the image of " +
                       std::to_string(image.Width()) + " x " + std::to_string(image.Height()) +
                       " pixels."};
  }
  TBitmap32 result(newWidth, newHeight);
  // Rounding each edge apart can make the source rectangle a pixel smaller than the new size;
  // the pixels it does not cover stay zero.
  const int copyWidth = std::min(newWidth, right - left);
  const int copyHeight = std::min(newHeight, bottom - top);
  for (int y = 0; y < copyHeight; ++y) {
    const std::uint32_t* in = image.Row(top + y) + left;
    std::copy(in, in + std::max(copyWidth, 0), result.Row(y));
  }
  image = std::move(result);
  return {true, {}};
}

}  // namespace pixmora

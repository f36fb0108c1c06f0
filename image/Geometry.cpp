#include "image/Geometry.h"

#include <algorithm>
#include <cmath>

namespace pixmora {
namespace {

// Rounding to nearest with ties to even (the default floating-point rounding mode).
int RoundEven(float value) {
  return static_cast<int>(std::nearbyint(value));
}

// Moves every element (x, y) of a w x h source to the destination index destIndex(x, y) of an
// image with swapped sides, in square tiles so that both the reads and the strided writes stay
// in cache.
template <typename T, typename DestIndex>
void RotateElements(const T* in, int w, int h, T* out, DestIndex destIndex) {
  constexpr int kTile = 64;
  for (int ty = 0; ty < h; ty += kTile) {
    for (int tx = 0; tx < w; tx += kTile) {
      const int yEnd = std::min(ty + kTile, h);
      const int xEnd = std::min(tx + kTile, w);
      for (int y = ty; y < yEnd; ++y) {
        const T* row = in + static_cast<std::size_t>(y) * static_cast<std::size_t>(w);
        for (int x = tx; x < xEnd; ++x)
          out[destIndex(x, y)] = row[x];
      }
    }
  }
}

template <typename DestIndex>
TBitmap32 Rotate(const TBitmap32& source, DestIndex destIndex) {
  const int w = source.Width();
  const int h = source.Height();
  TBitmap32 result(h, w);
  RotateElements(source.Pixels().data(), w, h, result.Pixels().data(), destIndex);
  if (source.HasCoveragePlane()) {
    std::vector<std::uint8_t> plane(source.CoveragePlane().size());
    RotateElements(source.CoveragePlane().data(), w, h, plane.data(), destIndex);
    result.SetCoverage(std::move(plane), source.BlendedOver());
  }
  return result;
}

template <typename T>
void FlipRows(T* data, std::size_t width, int height) {
  for (int y = 0; y < height; ++y)
    std::reverse(data + static_cast<std::size_t>(y) * width, data + (y + 1) * width);
}

template <typename T>
void SwapRows(T* data, std::size_t width, int height) {
  for (int top = 0, bottom = height - 1; top < bottom; ++top, --bottom) {
    std::swap_ranges(data + top * width, data + (top + 1) * width, data + bottom * width);
  }
}

// Copies a width x height block from (left, top) of a source with sourceWidth elements per row.
template <typename T>
void CopyBlock(const T* source, std::size_t sourceWidth, int left, int top, int width, int height,
               T* out, std::size_t outWidth) {
  for (int y = 0; y < height; ++y) {
    const T* in = source + static_cast<std::size_t>(top + y) * sourceWidth + left;
    std::copy(in, in + width, out + static_cast<std::size_t>(y) * outWidth);
  }
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
  const auto width = static_cast<std::size_t>(image.Width());
  FlipRows(image.Pixels().data(), width, image.Height());
  if (image.HasCoveragePlane())
    FlipRows(image.CoveragePlane().data(), width, image.Height());
}

void FlipVertical(TBitmap32& image) {
  const auto width = static_cast<std::size_t>(image.Width());
  SwapRows(image.Pixels().data(), width, image.Height());
  if (image.HasCoveragePlane())
    SwapRows(image.CoveragePlane().data(), width, image.Height());
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
  const int copyWidth = std::max(std::min(newWidth, right - left), 0);
  const int copyHeight = std::min(newHeight, bottom - top);
  const auto width = static_cast<std::size_t>(image.Width());
  const auto outWidth = static_cast<std::size_t>(newWidth);
  CopyBlock(image.Pixels().data(), width, left, top, copyWidth, copyHeight, result.Pixels().data(),
            outWidth);
  if (image.HasCoveragePlane()) {
    std::vector<std::uint8_t> plane(result.PixelCount(), 0);
    CopyBlock(image.CoveragePlane().data(), width, left, top, copyWidth, copyHeight, plane.data(),
              outWidth);
    result.SetCoverage(std::move(plane), image.BlendedOver());
  }
  image = std::move(result);
  return {true, {}};
}

}  // namespace pixmora

#include "decode/PictureCompare.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "conversion/HexNumbers.h"

namespace pixmora {

namespace {

// A channel of a pixel over black.
int OverBlack(std::uint32_t pixel, int shift) {
  const auto alpha = static_cast<int>(pixel >> 24);
  const int channel = static_cast<int>((pixel >> shift) & 0xFF);
  return alpha == 255 ? channel : (channel * alpha + 127) / 255;
}

}  // namespace

std::string PixelText(std::uint32_t pixel) {
  std::string text = "#";
  for (const int shift : {16, 8, 0})
    AppendHex(text, (pixel >> shift) & 0xFF, 2);
  if (pixel >> 24 != 0xFF)
    text += " alpha " + std::to_string(pixel >> 24);
  return text;
}

std::optional<std::string> FirstDifference(const TBitmap32& shown, const TBitmap32& expected) {
  if (shown.Width() != expected.Width() || shown.Height() != expected.Height()) {
    return "the picture is " + std::to_string(shown.Width()) + " x " +
           std::to_string(shown.Height()) + ", expected " + std::to_string(expected.Width()) +
           " x " + std::to_string(expected.Height());
  }
  for (int y = 0; y < shown.Height(); ++y) {
    for (int x = 0; x < shown.Width(); ++x) {
      if (shown.Pixel(x, y) != expected.Pixel(x, y)) {
        return "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") shows " +
               PixelText(shown.Pixel(x, y)) + ", expected " + PixelText(expected.Pixel(x, y));
      }
    }
  }
  return std::nullopt;
}

double Psnr(const TBitmap32& shown, const TBitmap32& source) {
  std::uint64_t squares = 0;
  const std::size_t count = std::min(shown.PixelCount(), source.PixelCount());
  const std::uint32_t* a = shown.Pixels().data();
  const std::uint32_t* b = source.Pixels().data();
  for (std::size_t i = 0; i < count; ++i) {
    const bool opaque = a[i] >> 24 == 0xFF;
    for (const int shift : {16, 8, 0}) {
      const int channel = static_cast<int>((a[i] >> shift) & 0xFF);
      const int d =
          (opaque ? channel : OverBlack(a[i], shift)) - static_cast<int>((b[i] >> shift) & 0xFF);
      squares += static_cast<std::uint64_t>(d * d);
    }
  }
  if (squares == 0)
    return std::numeric_limits<double>::infinity();
  const double mean = static_cast<double>(squares) / (3.0 * static_cast<double>(count));
  return 10.0 * std::log10(255.0 * 255.0 / mean);
}

int ColorDifference(std::uint32_t shown, std::uint32_t source) {
  int largest = 0;
  for (const int shift : {16, 8, 0}) {
    const int d = OverBlack(shown, shift) - static_cast<int>((source >> shift) & 0xFF);
    largest = std::max(largest, d < 0 ? -d : d);
  }
  return largest;
}

std::string PsnrText(double psnr) {
  if (std::isinf(psnr))
    return "exact";
  char text[32];
  std::snprintf(text, sizeof text, "%.2f dB", psnr);
  return text;
}

}  // namespace pixmora

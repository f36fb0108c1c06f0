#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace pixmora {

// A 32-bit image, row-major from the top row; each pixel is 0xAARRGGBB.
class TBitmap32 {
 public:
  TBitmap32() = default;
  TBitmap32(int width, int height) { SetSize(width, height); }
  TBitmap32(const TBitmap32&) = default;
  TBitmap32(TBitmap32&&) noexcept = default;
  TBitmap32& operator=(TBitmap32&&) noexcept = default;
  // A copy holds just its own pixels: copied over a bigger image, it gives that memory back.
  TBitmap32& operator=(const TBitmap32& other) {
    TBitmap32 copy(other);
    return *this = std::move(copy);
  }

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }
  std::size_t PixelCount() const { return pixels_.size(); }

  // Negative sizes count as zero. The new buffer is all zero and has no coverage plane.
  void SetSize(int width, int height);

  // Takes over decoded pixels (0x??RRGGBB, width x height of them) and makes every pixel opaque.
  void AssignOpaque(int width, int height, std::vector<std::uint32_t> pixels);

  std::uint32_t Pixel(int x, int y) const { return pixels_[Index(x, y)]; }
  void SetPixel(int x, int y, std::uint32_t value) { pixels_[Index(x, y)] = value; }
  std::uint32_t* Row(int y) { return pixels_.data() + Index(0, y); }
  const std::uint32_t* Row(int y) const { return pixels_.data() + Index(0, y); }
  std::vector<std::uint32_t>& Pixels() { return pixels_; }
  const std::vector<std::uint32_t>& Pixels() const { return pixels_; }

  // How much of each pixel covers what lies behind it, 0 (transparent) to 255 (opaque), for the
  // targets that keep or blend transparency. The alpha bytes hold it unless a plane of its own
  // is set: the classic readers expect alpha bytes that say nothing about transparency (0xFF in
  // a decoded picture, 0 after a threshold), so a picture that differs keeps its coverage apart.
  bool HasCoveragePlane() const { return !coverage_.empty(); }
  const std::vector<std::uint8_t>& CoveragePlane() const { return coverage_; }
  std::vector<std::uint8_t>& CoveragePlane() { return coverage_; }
  std::uint8_t Coverage(std::size_t index) const {
    return coverage_.empty() ? static_cast<std::uint8_t>(pixels_[index] >> 24) : coverage_[index];
  }
  // The coverage of every pixel as a plane of its own.
  std::vector<std::uint8_t> CoverageCopy() const;
  bool FullyCovered() const;
  // The background (0x00RRGGBB) that the colors of pixels not fully covered are already blended
  // over, as the classic path shows them; none when those colors are straight.
  std::optional<std::uint32_t> BlendedOver() const { return blendedOver_; }
  // An empty plane gives the coverage back to the alpha bytes. A plane must hold one byte per
  // pixel.
  void SetCoverage(std::vector<std::uint8_t> plane, std::optional<std::uint32_t> blendedOver);

  bool operator==(const TBitmap32&) const = default;

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }

  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint32_t> pixels_;
  std::vector<std::uint8_t> coverage_;
  std::optional<std::uint32_t> blendedOver_;
};

// Every reader of pixels takes a color as red + 256 * green + 65536 * blue (0x00BBGGRR),
// ignoring alpha.
constexpr std::uint32_t PixelColor(std::uint32_t pixel) {
  return ((pixel >> 16) & 0xFFu) | (pixel & 0xFF00u) | ((pixel & 0xFFu) << 16);
}
constexpr std::uint8_t RedOf(std::uint32_t pixel) {
  return (pixel >> 16) & 0xFFu;
}
constexpr std::uint8_t GreenOf(std::uint32_t pixel) {
  return (pixel >> 8) & 0xFFu;
}
constexpr std::uint8_t BlueOf(std::uint32_t pixel) {
  return pixel & 0xFFu;
}
constexpr std::uint32_t MakePixel(std::uint8_t r, std::uint8_t g, std::uint8_t b,
                                  std::uint8_t a = 0xFF) {
  return (std::uint32_t{a} << 24) | (std::uint32_t{r} << 16) | (std::uint32_t{g} << 8) | b;
}

}  // namespace pixmora

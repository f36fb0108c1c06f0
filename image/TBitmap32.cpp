#include "image/TBitmap32.h"

#include <algorithm>
#include <stdexcept>

namespace pixmora {

void TBitmap32::SetSize(int width, int height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  pixels_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 0u);
  coverage_.clear();
  blendedOver_.reset();
}

void TBitmap32::AssignOpaque(int width, int height, std::vector<std::uint32_t> pixels) {
  if (width < 0 || height < 0 ||
      pixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
    throw std::invalid_argument("pixel buffer does not match the image size");
  }
  for (auto& p : pixels)
    p |= 0xFF000000u;
  width_ = width;
  height_ = height;
  pixels_ = std::move(pixels);
  coverage_.clear();
  blendedOver_.reset();
}

std::vector<std::uint8_t> TBitmap32::CoverageCopy() const {
  if (!coverage_.empty())
    return coverage_;
  std::vector<std::uint8_t> plane(pixels_.size());
  for (std::size_t i = 0; i < pixels_.size(); ++i)
    plane[i] = static_cast<std::uint8_t>(pixels_[i] >> 24);
  return plane;
}

bool TBitmap32::FullyCovered() const {
  if (!coverage_.empty())
    return std::all_of(coverage_.begin(), coverage_.end(),
                       [](std::uint8_t a) { return a == 0xFF; });
  return std::all_of(pixels_.begin(), pixels_.end(),
                     [](std::uint32_t p) { return p >> 24 == 0xFF; });
}

void TBitmap32::SetCoverage(std::vector<std::uint8_t> plane,
                            std::optional<std::uint32_t> blendedOver) {
  if (!plane.empty() && plane.size() != pixels_.size())
    throw std::invalid_argument("coverage plane does not match the image size");
  coverage_ = std::move(plane);
  blendedOver_ = blendedOver;
}

}  // namespace pixmora

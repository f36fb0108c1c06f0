#include "image/TBitmap32.h"

#include <algorithm>
#include <stdexcept>

namespace pixmora {

void TBitmap32::SetSize(int width, int height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  pixels_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 0u);
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
}

}  // namespace pixmora

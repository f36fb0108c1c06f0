#include "image/ImageLimits.h"

namespace pixmora {

std::string CheckImageSize(std::int64_t width, std::int64_t height) {
  if (width <= 0 || height <= 0) {
    return "invalid image size " + std::to_string(width) + " x " + std::to_string(height);
  }
  if (width > kMaxImageSide || height > kMaxImageSide ||
      static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) > kMaxImagePixels) {
    return "image of " + std::to_string(width) + " x " + std::to_string(height) +
           " pixels is too large (at most 65535 pixels a side and 268435456 pixels)";
  }
  return {};
}

}  // namespace pixmora

#include "image/codecs/Blend.h"

#include <algorithm>

namespace pixmora {

namespace {

std::uint32_t Mix(std::uint32_t color, std::uint32_t background, std::uint32_t alpha) {
  return (color * alpha + background * (255 - alpha) + 127) / 255;
}

}  // namespace

void BlendOver(std::uint32_t background, std::span<std::uint32_t> pixels) {
  for (std::uint32_t& p : pixels) {
    const std::uint32_t a = p >> 24;
    if (a == 0xFF)
      continue;
    std::uint32_t out = 0xFF000000u;
    for (int shift = 0; shift <= 16; shift += 8) {
      out |= Mix((p >> shift) & 0xFFu, (background >> shift) & 0xFFu, a) << shift;
    }
    p = out;
  }
}

std::vector<std::uint8_t> AlphaPlane(const std::vector<std::uint32_t>& pixels) {
  if (AllOpaque(pixels))
    return {};
  std::vector<std::uint8_t> plane(pixels.size());
  std::transform(pixels.begin(), pixels.end(), plane.begin(),
                 [](std::uint32_t p) { return static_cast<std::uint8_t>(p >> 24); });
  return plane;
}

bool AllOpaque(std::span<const std::uint32_t> pixels) {
  return std::all_of(pixels.begin(), pixels.end(), [](std::uint32_t p) { return p >> 24 == 0xFF; });
}

}  // namespace pixmora

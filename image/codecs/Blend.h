#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace pixmora {

// Blends every pixel (0xAARRGGBB) over an opaque background (0x00RRGGBB) and makes it opaque.
void BlendOver(std::uint32_t background, std::span<std::uint32_t> pixels);

// The alpha bytes as a coverage plane, or an empty plane when every pixel is opaque.
std::vector<std::uint8_t> AlphaPlane(const std::vector<std::uint32_t>& pixels);

// Whether every pixel has the alpha byte 0xFF.
bool AllOpaque(std::span<const std::uint32_t> pixels);

}  // namespace pixmora

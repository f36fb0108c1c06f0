#pragma once

#include <cstdint>

namespace pixmora {

// One palette entry of a color reduction.
struct TPaletteColor {
  std::uint8_t R = 0;
  std::uint8_t G = 0;
  std::uint8_t B = 0;

  bool operator==(const TPaletteColor&) const = default;
};

}  // namespace pixmora

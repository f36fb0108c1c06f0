#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "image/PaletteColor.h"

namespace pixmora {

// Nearest palette entry by Manhattan distance, cached per 5-5-5 color cell. A cell answers with
// the entry stored first, even where another entry would be nearer for a particular color.
class TFastColorLookup {
 public:
  explicit TFastColorLookup(std::vector<TPaletteColor> palette);

  static int Cell(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return (r >> 3) | ((g >> 3) << 5) | ((b >> 3) << 10);
  }

  int Lookup(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    const int cell = Cell(r, g, b);
    if (cache_[cell] < 0)
      cache_[cell] = Search(r, g, b);
    return cache_[cell];
  }

  const TPaletteColor& Color(int index) const { return palette_[index]; }
  const std::vector<TPaletteColor>& Palette() const { return palette_; }

 private:
  std::int16_t Search(int r, int g, int b) const;

  std::vector<TPaletteColor> palette_;
  std::array<std::int16_t, 32768> cache_;
};

}  // namespace pixmora

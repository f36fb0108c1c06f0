#include "image/FastColorLookup.h"

#include <cstdlib>

namespace pixmora {

TFastColorLookup::TFastColorLookup(std::vector<TPaletteColor> palette)
    : palette_(std::move(palette)) {
  cache_.fill(-1);
  for (std::size_t i = 0; i < palette_.size(); ++i) {
    const TPaletteColor& c = palette_[i];
    std::int16_t& entry = cache_[Cell(c.R, c.G, c.B)];
    if (entry < 0)
      entry = static_cast<std::int16_t>(i);
  }
}

std::int16_t TFastColorLookup::Search(int r, int g, int b) const {
  int best = 196608;
  std::int16_t bestIndex = 0;
  for (std::size_t i = 0; i < palette_.size(); ++i) {
    const TPaletteColor& c = palette_[i];
    const int distance = std::abs(c.R - r) + std::abs(c.G - g) + std::abs(c.B - b);
    if (distance < best) {
      best = distance;
      bestIndex = static_cast<std::int16_t>(i);
    }
  }
  return bestIndex;
}

}  // namespace pixmora

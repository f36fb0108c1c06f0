#include "ui/SwatchGrid.h"

#include <algorithm>
#include <cstdio>

namespace pixmora {

SwatchGrid::Position SwatchGrid::PositionOf(int index) {
  constexpr int kStep = kSize - 1;
  return {11 + kStep * (index % kColumns), 8 + kStep * (index / kColumns)};
}

void SwatchGrid::Fill(const std::vector<std::uint32_t>& colorTable) {
  const std::size_t count = std::min(colorTable.size(), fills_.size());
  std::copy_n(colorTable.begin(), count, fills_.begin());
}

void SwatchGrid::Point(int index) {
  ClearPointer();
  borders_.at(index) = kPointedBorder;
}

std::string PaletteCountText(int count) {
  return "Palette Colors: " + std::to_string(count);
}

std::string ColorText(std::uint32_t fill) {
  const std::uint32_t red = fill & 0xFF;
  const std::uint32_t green = (fill >> 8) & 0xFF;
  const std::uint32_t blue = (fill >> 16) & 0xFF;
  char digits[7];
  std::snprintf(digits, sizeof digits, "%06X", (red << 16) | (green << 8) | blue);
  return std::string("Color: 0x") + digits;
}

std::string ColorDetailText(int index, std::uint32_t fill) {
  const std::uint32_t red = fill & 0xFF;
  const std::uint32_t green = (fill >> 8) & 0xFF;
  const std::uint32_t blue = (fill >> 16) & 0xFF;
  char text[40];
  std::snprintf(text, sizeof text, "Index: %d  5-6-5: 0x%04X", index,
                ((red >> 3) << 11) | ((green >> 2) << 5) | (blue >> 3));
  return text;
}

}  // namespace pixmora

#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace pixmora {

// The 256 color swatches of the color table viewer, one per palette entry, laid out 16 by 16.
// Colors are 0x00BBGGRR, as the color table keeps them.
class SwatchGrid {
 public:
  static constexpr int kCount = 256;
  static constexpr int kColumns = 16;
  static constexpr int kSize = 17;  // neighbours overlap by one pixel and share a border line
  static constexpr std::uint32_t kWhite = 0xFFFFFF;
  static constexpr std::uint32_t kBlack = 0x000000;
  static constexpr std::uint32_t kPointedBorder = 0xECECEC;

  struct Position {
    int left;
    int top;
  };
  static Position PositionOf(int index);

  SwatchGrid() { Reset(); }

  // Every load and color reduction paints all fills white before a new table is read.
  void Reset() { fills_.fill(kWhite); }
  // Entries beyond the table keep their fill; entries past the 256th are not shown.
  void Fill(const std::vector<std::uint32_t>& colorTable);
  // The swatch under the pointer gets the light border, all others black.
  void Point(int index);
  void ClearPointer() { borders_.fill(kBlack); }

  const std::array<std::uint32_t, kCount>& Fills() const { return fills_; }
  const std::array<std::uint32_t, kCount>& Borders() const { return borders_; }

 private:
  std::array<std::uint32_t, kCount> fills_{};
  std::array<std::uint32_t, kCount> borders_{};
};

// "Palette Colors: 16"
std::string PaletteCountText(int count);
// "Color: 0xRRGGBB" for a fill stored as 0x00BBGGRR.
std::string ColorText(std::uint32_t fill);
// The swatch's palette index and the color as the color table holds it, 5-6-5:
// "Index: 5  5-6-5: 0xF800".
std::string ColorDetailText(int index, std::uint32_t fill);

}  // namespace pixmora

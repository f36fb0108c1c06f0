#include "targets/Layouts.h"
#include "targets/PixelRules.h"

namespace pixmora {

// The frame buffer order of page controllers: pixel (x, y) is bit y % 8 of byte
// (y / 8) * w + x. A last, partial page keeps its rows in the low bits; the bits below the
// picture stay 0, since a copy into a frame buffer would show them.
TargetResult EncodePages(const TargetInput& input) {
  const TargetSettings& s = input.settings;
  TargetResult result{{}, StartData(input)};
  TargetData& data = result.data;
  const std::string m = data.macroName;
  const int width = input.image.Width();
  const int height = input.image.Height();
  const int pages = (height + 7) / 8;
  data.macros.emplace_back(m + "_PAGES", std::to_string(pages));

  TargetArray array{data.name, ElementType::Uint8, false, m + "_WIDTH * " + m + "_PAGES"};
  array.bytes.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(pages), 0);
  OneBitRule rule(input.image, s, BackgroundOf(input));
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* bits = rule.Row(y);
    std::uint8_t* page = array.bytes.data() + static_cast<std::size_t>(y / 8) * width;
    for (int x = 0; x < width; ++x)
      page[x] |= static_cast<std::uint8_t>(bits[x] << (y % 8));
  }

  std::vector<std::string> notes{
      "Pages of 8 rows, top to bottom; a page is one byte per column, left to right; pixel (x, y) "
      "is bit y % 8 of byte (y / 8) * " +
          m + "_WIDTH + x, the top row of a page in bit 0",
      SetBitNote(s)};
  if (height % 8 != 0) {
    notes.push_back("The last page holds " + std::to_string(height % 8) + " rows in bits 0 to " +
                    std::to_string(height % 8 - 1) + "; the bits below the picture are 0");
  }
  data.notes.insert(data.notes.begin(), notes.begin(), notes.end());
  const std::string pageRow = data.name + " + p * " + m + "_WIDTH";
  data.drawCalls = {
      "Frame buffer (Adafruit monochrome OLED getBuffer(), u8g2 getBufferPtr()): for each page p, "
      "copy " +
      m + "_WIDTH bytes from " + pageRow + " to buffer + (y0 / 8 + p) * DISPLAY_WIDTH + x0"};
  if (width % 8 == 0) {
    data.drawCalls.push_back("u8x8: u8x8.drawTile(tx, ty + p, " + m + "_WIDTH / 8, (uint8_t *)(" +
                             pageRow + "));");
  }
  data.arrays.push_back(std::move(array));
  return result;
}

}  // namespace pixmora

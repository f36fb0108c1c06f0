#include "targets/Layouts.h"
#include "targets/PixelRules.h"

namespace pixmora {

// 4 or 2 bits of luma per pixel, the leftmost pixel in the high bits, rows padded to bytes:
// the layout of a 4-bit gray display buffer and of LVGL's I4 / I2 rows.
TargetResult EncodePackedGray(const TargetInput& input) {
  const TargetSettings& s = input.settings;
  const int bits = s.target == TargetKind::Gray4 ? 4 : 2;
  const int perByte = 8 / bits;
  TargetResult result{{}, StartData(input)};
  TargetData& data = result.data;
  const std::string m = data.macroName;
  const int width = input.image.Width();
  const auto bytesPerRow = static_cast<std::size_t>((width + perByte - 1) / perByte);

  TargetArray array{data.name, ElementType::Uint8, s.progmem,
                    "(" + m + "_WIDTH + " + std::to_string(perByte - 1) + ") / " +
                        std::to_string(perByte) + " * " + m + "_HEIGHT"};
  array.bytes.resize(bytesPerRow * static_cast<std::size_t>(input.image.Height()));
  GrayRule rule(input.image, bits, s.dither, BackgroundOf(input));
  for (int y = 0; y < input.image.Height(); ++y) {
    PackRow(rule.Row(y), width, bits,
            array.bytes.data() + static_cast<std::size_t>(y) * bytesPerRow);
  }

  const std::string top = std::to_string((1 << bits) - 1);
  data.notes.insert(data.notes.begin(),
                    std::to_string(bits) + " bits of luma per pixel, 0 black, " + top +
                        " white; rows of " + std::to_string(bytesPerRow) +
                        " bytes, the leftmost pixel in the highest bits; the bits after a row's "
                        "last pixel are 0");
  if (bits == 4) {
    data.drawCalls = {
        "Adafruit GrayOLED (4 bits per pixel): copy each row of " + std::to_string(bytesPerRow) +
            " bytes to display.getBuffer() + ((y0 + y) * DISPLAY_WIDTH + x0) / 2, x0 even",
        "LVGL 9 draws the same rows as LV_COLOR_FORMAT_I4 with a gray palette (--target lvgl9)"};
  } else {
    data.drawCalls = {
        "No library draws 2-bit gray directly; LVGL 9 draws the same rows as "
        "LV_COLOR_FORMAT_I2 with a gray palette (--target lvgl9)"};
  }
  data.arrays.push_back(std::move(array));
  return result;
}

}  // namespace pixmora

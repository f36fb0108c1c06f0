#include "platform/HugePages.h"
#include "targets/Layouts.h"
#include "targets/PixelRules.h"

namespace pixmora {

// One uint16_t RRRRRGGGGGGBBBBB per pixel, stride w, written as C numbers so that the text is
// right on any MCU; --swap-bytes exchanges the two bytes of every number.
TargetResult EncodeRgb565(const TargetInput& input) {
  const TargetSettings& s = input.settings;
  if (s.mask && s.swapBytes) {
    return {
        "rgb565: the masked draw call (drawRGBBitmap) reads native values; leave out the "
        "mask or the swapped bytes",
        {}};
  }
  TargetResult result{{}, StartData(input)};
  TargetData& data = result.data;
  const std::string m = data.macroName;
  const auto width = static_cast<std::size_t>(input.image.Width());

  TargetArray array{data.name, ElementType::Uint16, s.progmem, m + "_WIDTH * " + m + "_HEIGHT"};
  ResizeLarge(array.words, width * static_cast<std::size_t>(input.image.Height()));
  PackedColorRule rule(input.image, 5, 6, 5, s.dither, BackgroundOf(input));
  for (int y = 0; y < input.image.Height(); ++y) {
    const std::uint16_t* values = rule.Row(y);
    std::uint16_t* out = array.words.data() + static_cast<std::size_t>(y) * width;
    for (std::size_t x = 0; x < width; ++x)
      out[x] =
          s.swapBytes ? static_cast<std::uint16_t>(values[x] << 8 | values[x] >> 8) : values[x];
  }

  std::vector<std::string> notes{
      "16 bits per pixel, RRRRRGGGGGGBBBBB; pixel (x, y) is element y * " + m + "_WIDTH + x"};
  notes.push_back(s.swapBytes ? "Bytes swapped: stored on a little-endian MCU, the high byte of "
                                "each color comes first in memory"
                              : "Native values: stored on a little-endian MCU, the low byte comes "
                                "first in memory");
  data.notes.insert(data.notes.begin(), notes.begin(), notes.end());
  const std::string size = m + "_WIDTH, " + m + "_HEIGHT";
  const std::string pixels = RamArgument(array, "uint16_t *");
  if (s.mask) {
    data.arrays.push_back(std::move(array));
    const std::string mask = RamArgument(AddMask(input, data), "uint8_t *");
    data.drawCalls = {"Adafruit GFX: display.drawRGBBitmap(x, y, " + pixels + ", " + mask + ", " +
                      size + ");"};
    return result;
  }
  if (s.swapBytes) {
    data.drawCalls = {"TFT_eSPI (with the default setSwapBytes(false)): tft.pushImage(x, y, " +
                          size + ", " + data.name + ");",
                      "LVGL 9.3 or later reads these bytes as LV_COLOR_FORMAT_RGB565_SWAPPED"};
  } else {
    data.drawCalls = {
        "Adafruit GFX: display.drawRGBBitmap(x, y, " + pixels + ", " + size + ");",
        "TFT_eSPI: tft.setSwapBytes(true); tft.pushImage(x, y, " + size + ", " + data.name + ");"};
  }
  data.arrays.push_back(std::move(array));
  return result;
}

}  // namespace pixmora

#include <algorithm>

#include "platform/HugePages.h"
#include "targets/Layouts.h"
#include "targets/PixelRules.h"

namespace pixmora {

// One byte per pixel, stride w: RRRGGGBB (rgb332) or the luma (gray8).
TargetResult EncodeByteColor(const TargetInput& input) {
  const TargetSettings& s = input.settings;
  const bool gray = s.target == TargetKind::Gray8;
  TargetResult result{{}, StartData(input)};
  TargetData& data = result.data;
  const std::string m = data.macroName;
  const auto width = static_cast<std::size_t>(input.image.Width());

  TargetArray array{data.name, ElementType::Uint8, s.progmem, m + "_WIDTH * " + m + "_HEIGHT"};
  ResizeLarge(array.bytes, width * static_cast<std::size_t>(input.image.Height()));
  if (gray) {
    GrayRule rule(input.image, 8, Dither::None, BackgroundOf(input));
    for (int y = 0; y < input.image.Height(); ++y)
      std::copy_n(rule.Row(y), width, array.bytes.data() + static_cast<std::size_t>(y) * width);
  } else {
    PackedColorRule rule(input.image, 3, 3, 2, s.dither, BackgroundOf(input));
    for (int y = 0; y < input.image.Height(); ++y) {
      const std::uint16_t* values = rule.Row(y);
      std::copy_n(values, width, array.bytes.data() + static_cast<std::size_t>(y) * width);
    }
  }

  data.notes.insert(data.notes.begin(),
                    (gray ? std::string("8 bits per pixel, the luma (Rec. 601): 0 black, 255 white")
                          : std::string("8 bits per pixel, RRRGGGBB")) +
                        "; pixel (x, y) is byte y * " + m + "_WIDTH + x");
  const std::string size = m + "_WIDTH, " + m + "_HEIGHT";
  if (!gray) {
    data.drawCalls = {"TFT_eSPI: tft.pushImage(x, y, " + size + ", " + data.name + ", true);"};
    data.arrays.push_back(std::move(array));
    return result;
  }
  const std::string pixels = RamArgument(array, "uint8_t *");
  data.arrays.push_back(std::move(array));
  if (s.mask) {
    const std::string mask = RamArgument(AddMask(input, data), "uint8_t *");
    data.drawCalls = {"Adafruit GFX: display.drawGrayscaleBitmap(x, y, " + pixels + ", " + mask +
                      ", " + size + ");"};
  } else {
    data.drawCalls = {"Adafruit GFX: display.drawGrayscaleBitmap(x, y, " + pixels + ", " + size +
                      ");"};
  }
  return result;
}

}  // namespace pixmora

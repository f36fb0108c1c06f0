#include "targets/Layouts.h"
#include "targets/PixelRules.h"

namespace pixmora {

// Rows of ceil(w / 8) bytes, the leftmost pixel in bit 7 (gfx-bitmap) or in bit 0 (xbm).
TargetResult EncodeBitmap(const TargetInput& input) {
  const TargetSettings& s = input.settings;
  const bool xbm = s.target == TargetKind::Xbm;
  TargetResult result{{}, StartData(input)};
  TargetData& data = result.data;
  const std::string n = data.name;
  const std::string m = data.macroName;
  std::string widthName = m + "_WIDTH", heightName = m + "_HEIGHT";
  if (xbm) {
    // The X bitmap names, which every XBM reader and the draw calls' examples use.
    widthName = n + "_width";
    heightName = n + "_height";
    data.macros = {{widthName, std::to_string(data.width)},
                   {heightName, std::to_string(data.height)}};
  }

  const int width = input.image.Width();
  const auto bytesPerRow = static_cast<std::size_t>((width + 7) / 8);
  TargetArray array{xbm ? n + "_bits" : n, xbm ? ElementType::UnsignedChar : ElementType::Uint8,
                    s.progmem, "(" + widthName + " + 7) / 8 * " + heightName};
  array.bytes.resize(bytesPerRow * static_cast<std::size_t>(input.image.Height()));
  OneBitRule rule(input.image, s, BackgroundOf(input));
  for (int y = 0; y < input.image.Height(); ++y) {
    PackRow(rule.Row(y), width, 1, array.bytes.data() + static_cast<std::size_t>(y) * bytesPerRow,
            xbm);
  }

  data.notes.insert(data.notes.begin(),
                    {"1 bit per pixel; rows of " + std::to_string(bytesPerRow) +
                         " bytes, the leftmost pixel in bit " + (xbm ? "0" : "7") +
                         "; the bits after a row's last pixel are 0",
                     SetBitNote(s)});
  const std::string a = array.name;
  const std::string size = widthName + ", " + heightName;
  if (xbm) {
    const std::string args = "(x, y, " + size + ", " + a + ");";
    if (s.progmem) {
      data.drawCalls = {"Adafruit GFX: display.drawXBitmap(x, y, " + a + ", " + size + ", color);",
                        "TFT_eSPI: tft.drawXBitmap(x, y, " + a + ", " + size + ", color);",
                        "u8g2: u8g2.drawXBMP" + args, "ThingPulse: display.drawXbm" + args};
    } else {
      data.drawCalls = {"u8g2 (RAM): u8g2.drawXBM" + args};
    }
  } else if (s.progmem) {
    data.drawCalls = {"Adafruit GFX: display.drawBitmap(x, y, " + a + ", " + size + ", color);",
                      "TFT_eSPI: tft.drawBitmap(x, y, " + a + ", " + size + ", color);"};
  } else {
    data.drawCalls = {"u8g2 (RAM): u8g2.drawBitmap(x, y, (" + widthName + " + 7) / 8, " +
                          heightName + ", " + a + ");",
                      "Adafruit GFX (RAM): display.drawBitmap(x, y, " +
                          RamArgument(array, "uint8_t *") + ", " + size + ", color);"};
  }
  data.arrays.push_back(std::move(array));
  return result;
}

}  // namespace pixmora

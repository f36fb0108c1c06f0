#pragma once

// A classic conversion of a random picture, and what a display must show for it, worked out
// here from the documented bit layouts, apart from the decoder's code.

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "conversion/ConversionEngine.h"
#include "image/TBitmap32.h"
#include "platform/RecordingMessageBox.h"
#include "ui/ExportFiles.h"

namespace pixmora {

enum class Family {
  Color565,
  Color444,
  Color332,
  MonochromeVertical,
  MonochromeHorizontal,
  Palette
};

struct ClassicCase {
  Family family = Family::Color565;
  int paletteColors = 0;  // Palette
  bool packed = false;    // Palette: 1 - 8 pixels per byte
  bool word = false;
  bool lsbFirst = false;
  bool compression = false;
  bool includeInfo = false;
  bool tableWord = false;
  bool tableInMainFile = true;
  int width = 1;
  int height = 1;
  // How often a pixel repeats the one before, in percent; random when negative. At 100 the
  // picture is black, white or one random color.
  int repeatPercent = -1;
  std::uint32_t seed = 0;

  std::string Describe() const {
    std::string text = "family " + std::to_string(static_cast<int>(family));
    for (const int value : {paletteColors, +packed, +word, +lsbFirst, +compression, +includeInfo,
                            +tableWord, +tableInMainFile, width, height})
      text.append(" ").append(std::to_string(value));
    return text.append(" seed ").append(std::to_string(seed));
  }
};

// Deterministic for a seed on every platform: no library distributions.
class CaseRandom {
 public:
  explicit CaseRandom(std::uint32_t seed) : engine_(seed) {}
  int Below(int n) { return static_cast<int>(engine_() % static_cast<std::uint32_t>(n)); }
  bool Chance(int percent) { return Below(100) < percent; }
  std::uint8_t Byte() { return static_cast<std::uint8_t>(engine_() >> 24); }

 private:
  std::mt19937 engine_;
};

// The documented color mode word of a case, bytes in order.
inline std::uint16_t ExpectedModeWord(const ClassicCase& c) {
  const std::uint16_t compressionOff = c.compression ? 0 : 1;
  if (c.family != Family::Palette) {
    const std::uint16_t codes[] = {0x00, 0x02, 0x04, 0x0E, 0x10};
    return compressionOff | codes[static_cast<int>(c.family)];
  }
  const int n = c.paletteColors;
  std::uint16_t packing = 0x06;
  if (c.packed && n == 2) {
    packing = 0x0C;
  } else if (c.packed && n == 4) {
    packing = 0x0A;
  } else if (c.packed && n >= 8 && n <= 16) {
    packing = 0x08;
  }
  std::uint16_t size = 0;
  for (int colors = 128, code = 0x100; colors >= 2; colors /= 2, code += 0x100) {
    if (colors == n)
      size = static_cast<std::uint16_t>(code);
  }
  return compressionOff | packing | size;
}

inline std::uint32_t Opaque(int r, int g, int b) {
  return 0xFF000000u | static_cast<std::uint32_t>(r) << 16 | static_cast<std::uint32_t>(g) << 8 |
         static_cast<std::uint32_t>(b);
}

// What a display shows of an 0x00BBGGRR table entry or a pixel after 5-6-5 truncation.
inline std::uint32_t Expected565(int r, int g, int b) {
  const int r5 = r >> 3, g6 = g >> 2, b5 = b >> 3;
  return Opaque(r5 << 3 | r5 >> 2, g6 << 2 | g6 >> 4, b5 << 3 | b5 >> 2);
}

inline std::uint32_t ExpectedPixel(const ClassicCase& c, std::uint32_t pixel,
                                   const std::vector<std::uint32_t>& palette) {
  const int r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
  switch (c.family) {
    case Family::Color565:
      return Expected565(r, g, b);
    case Family::Color444:
      return Opaque((r >> 4) * 17, (g >> 4) * 17, (b >> 4) * 17);
    case Family::Color332: {
      const int r3 = r >> 5, g3 = g >> 5, b2 = b >> 6;
      return Opaque(r3 << 5 | r3 << 2 | r3 >> 1, g3 << 5 | g3 << 2 | g3 >> 1, b2 * 0x55);
    }
    case Family::MonochromeVertical:
    case Family::MonochromeHorizontal:
      return (r | g | b) == 0 ? Opaque(0, 0, 0) : Opaque(255, 255, 255);
    case Family::Palette:
      break;
  }
  for (const std::uint32_t entry : palette) {
    const int er = entry & 0xFF, eg = (entry >> 8) & 0xFF, eb = (entry >> 16) & 0xFF;
    if (er == r && eg == g && eb == b)
      return Expected565(er, eg, eb);
  }
  return 0;
}

inline TBitmap32 ExpectedPicture(const ClassicCase& c, const TBitmap32& source,
                                 const std::vector<std::uint32_t>& palette) {
  TBitmap32 shown(source.Width(), source.Height());
  for (std::size_t i = 0; i < source.PixelCount(); ++i)
    shown.Pixels()[i] = ExpectedPixel(c, source.Pixels()[i], palette);
  return shown;
}

// A picture with stretches of repeated pixels, so that compression meets runs, and with any
// alpha, which no encoding reads. Monochrome pictures are half black, with colors next to
// black; palette pictures take every pixel from the palette (0x00BBGGRR entries).
inline TBitmap32 RandomPicture(const ClassicCase& c, CaseRandom& random,
                               std::vector<std::uint32_t>& palette) {
  palette.clear();
  for (int k = 0; k < c.paletteColors; ++k)
    palette.push_back(random.Byte() | random.Byte() << 8 | random.Byte() << 16);
  const int repeat = c.repeatPercent < 0 ? random.Below(100) : c.repeatPercent;
  TBitmap32 picture(c.width, c.height);
  std::uint32_t previous = 0;
  for (std::uint32_t& pixel : picture.Pixels()) {
    if (&pixel != picture.Pixels().data() && random.Chance(repeat)) {
      pixel = previous;
      continue;
    }
    if (repeat == 100 && c.family != Family::Palette && random.Chance(67)) {
      pixel = previous = random.Chance(50) ? 0xFF000000u : 0xFFFFFFFFu;
      continue;
    }
    const std::uint32_t alpha = std::uint32_t{random.Byte()} << 24;
    if (c.family == Family::Palette) {
      const std::uint32_t entry = palette[random.Below(c.paletteColors)];
      pixel = alpha | (entry & 0xFF) << 16 | (entry & 0xFF00) | entry >> 16;
    } else if (c.family == Family::MonochromeVertical || c.family == Family::MonochromeHorizontal) {
      const std::uint32_t nearBlack[] = {0, 0x010000, 0x000100, 0x000001, 0xFFFFFF};
      pixel = alpha | (random.Chance(50) ? 0 : nearBlack[random.Below(5)]);
    } else {
      pixel = alpha | random.Byte() << 16 | random.Byte() << 8 | random.Byte();
    }
    previous = pixel;
  }
  return picture;
}

// The conversion of a case by the engine, with its preferences as an export reads them.
struct ClassicRun {
  ClassicRun(const ClassicCase& c, Option format, const CustomFormat& custom = {}) {
    CaseRandom random(c.seed);
    picture = RandomPicture(c, random, palette);
    Preferences& p = input.Preferences;
    const Option modes[] = {Option::Color65536, Option::Color4096, Option::Color256,
                            Option::MonochromeVertical, Option::MonochromeHorizontal};
    if (c.family == Family::Palette) {
      input.ImageMode = ImageMode::Palette;
      input.ColorTable = palette;
      input.PaletteColorCount = c.paletteColors;
    } else {
      p.Set(modes[static_cast<int>(c.family)], true);
      if (c.family == Family::MonochromeVertical || c.family == Family::MonochromeHorizontal)
        input.ImageMode = ImageMode::Monochrome;
    }
    p.Set(c.packed ? Option::Palette1To8Pixel : Option::Palette1Pixel, true);
    p.Set(c.word ? Option::Word : Option::Byte, true);
    p.Set(c.tableWord ? Option::PaletteTableWord : Option::PaletteTableByte, true);
    p.Set(c.tableInMainFile ? Option::PaletteSaveHeader : Option::PaletteSaveDiffFile, true);
    p.Set(Option::LSBFirst, c.lsbFirst);
    p.Set(Option::Compression, c.compression);
    p.Set(Option::IncludeInfo, c.includeInfo);
    p.Set(format, true);
    input.CustomFormat = custom;
    input.WorkingImage = &picture;
    input.ImageWidth = static_cast<std::uint16_t>(c.width);
    input.ImageHeight = static_cast<std::uint16_t>(c.height);
    input.CurrentFileName = "/pictures/case.png";
    NullProgressSink progress;
    RecordingMessageBox messages;
    completed = engine.Run(input, progress, messages);
    expected = ExpectedPicture(c, picture, palette);
  }

  ExportSource Source() const {
    return {engine, input.ImageWidth, input.ImageHeight, input.Preferences,
            input.ImageMode == ImageMode::Palette};
  }

  std::string MainFile(ExportKind kind, std::string_view lineEnd = kCrLf) const {
    std::string file;
    WriteMainFileContent(
        Source(), kind, [&file](std::string_view bytes) { file += bytes; }, lineEnd);
    return file;
  }

  std::string TableFile(ExportKind kind) const {
    std::string file;
    WriteTableFileContent(Source(), kind, [&file](std::string_view bytes) { file += bytes; });
    return file;
  }

  TBitmap32 picture;
  std::vector<std::uint32_t> palette;
  ConversionInput input;
  ConversionEngine engine;
  bool completed = false;
  TBitmap32 expected;
};

}  // namespace pixmora

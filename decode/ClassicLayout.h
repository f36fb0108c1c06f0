#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "conversion/ColorModeWord.h"

namespace pixmora {

// The encodings a color mode word names, in the order of its mode code (bits 1-4).
enum class ClassicEncoding {
  Color565,
  Color444,
  Color332,
  Palette1,  // pixels per byte
  Palette2,
  Palette4,
  Palette8,
  MonochromeVertical,
  MonochromeHorizontal,
};

bool IsPalette(ClassicEncoding encoding);

// "65536 colors (5-6-5)", "palette, 2 pixels per byte", "monochrome, vertical orientation", ...
std::string_view EncodingName(ClassicEncoding encoding);

// What a color mode word says.
struct ColorModeFields {
  ClassicEncoding encoding = ClassicEncoding::Color565;
  bool compressed = false;
  // From the palette size code; 0 for code 000, which stands for 256 colors and for every
  // count that is not a power of two.
  int paletteColors = 0;
};

// The fields of a color mode word (its bytes in order), or the reason it names no encoding:
// a reserved mode code, a reserved bit set, or a palette size outside Palette mode.
std::string ReadColorModeWord(std::uint16_t word, ColorModeFields& fields);

// How a classic output was written: the choices of its run that its values do not carry.
struct ClassicLayout {
  bool word = false;         // Word representation; else Byte
  bool lsbFirst = false;     // the option as set: it exchanges the bytes of every word
  bool includeInfo = false;  // the image size and the color mode word lead the data
  bool tableWord = false;    // the color table holds one word per color; else two bytes
  // Without the image information: the color mode word (bytes in order) and the size.
  std::uint16_t colorModeWord = ColorModeBits::kCompressionOff;
  int width = 0;
  int height = 0;
  // Binary files: the colors of the table ahead of the data; 0 when it is not in the file.
  int binaryTableColors = 0;

  bool operator==(const ClassicLayout&) const = default;
};

struct ExportSource;

// The layout of the files an export writes from the last conversion: what --verify reads back.
ClassicLayout LayoutOfExport(const ExportSource& source);

}  // namespace pixmora

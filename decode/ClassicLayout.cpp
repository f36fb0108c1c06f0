#include "decode/ClassicLayout.h"

#include "ui/ExportFiles.h"

namespace pixmora {

namespace {

// The mode code of each encoding is its place in the enumeration.
constexpr bool ModeCodeIs(ClassicEncoding encoding, std::uint16_t bits) {
  return static_cast<int>(encoding) * 2 == bits;
}
static_assert(ModeCodeIs(ClassicEncoding::Color565, ColorModeBits::kColor65536));
static_assert(ModeCodeIs(ClassicEncoding::Color444, ColorModeBits::kColor4096));
static_assert(ModeCodeIs(ClassicEncoding::Color332, ColorModeBits::kColor256));
static_assert(ModeCodeIs(ClassicEncoding::Palette1, ColorModeBits::kPalette1Pixel));
static_assert(ModeCodeIs(ClassicEncoding::Palette2, ColorModeBits::kPalette2Pixels));
static_assert(ModeCodeIs(ClassicEncoding::Palette4, ColorModeBits::kPalette4Pixels));
static_assert(ModeCodeIs(ClassicEncoding::Palette8, ColorModeBits::kPalette8Pixels));
static_assert(ModeCodeIs(ClassicEncoding::MonochromeVertical, ColorModeBits::kMonochromeVertical));
static_assert(ModeCodeIs(ClassicEncoding::MonochromeHorizontal,
                         ColorModeBits::kMonochromeHorizontal));

constexpr std::uint16_t kReservedBits = 0xF8E0;  // bits 5-7 and 11-15

}  // namespace

bool IsPalette(ClassicEncoding encoding) {
  return encoding >= ClassicEncoding::Palette1 && encoding <= ClassicEncoding::Palette8;
}

std::string_view EncodingName(ClassicEncoding encoding) {
  switch (encoding) {
    case ClassicEncoding::Color565:
      return "65536 colors (5-6-5)";
    case ClassicEncoding::Color444:
      return "4096 colors (4-4-4)";
    case ClassicEncoding::Color332:
      return "256 colors (3-3-2)";
    case ClassicEncoding::Palette1:
      return "palette, 1 pixel per byte";
    case ClassicEncoding::Palette2:
      return "palette, 2 pixels per byte";
    case ClassicEncoding::Palette4:
      return "palette, 4 pixels per byte";
    case ClassicEncoding::Palette8:
      return "palette, 8 pixels per byte";
    case ClassicEncoding::MonochromeVertical:
      return "monochrome, vertical orientation";
    case ClassicEncoding::MonochromeHorizontal:
      return "monochrome, horizontal orientation";
  }
  return {};
}

std::string ReadColorModeWord(std::uint16_t word, ColorModeFields& fields) {
  const int modeCode = (word >> 1) & 0xF;
  if (modeCode > static_cast<int>(ClassicEncoding::MonochromeHorizontal))
    return "its mode code " + std::to_string(modeCode) + " is reserved";
  if ((word & kReservedBits) != 0)
    return "it sets reserved bits";
  const int sizeCode = (word >> 8) & 7;
  const auto encoding = static_cast<ClassicEncoding>(modeCode);
  if (sizeCode != 0 && !IsPalette(encoding))
    return "it gives a palette size to data without a palette";
  fields = {.encoding = encoding,
            .compressed = (word & ColorModeBits::kCompressionOff) == 0,
            .paletteColors = sizeCode == 0 ? 0 : 256 >> sizeCode};
  return {};
}

ClassicLayout LayoutOfExport(const ExportSource& source) {
  const Preferences& preferences = source.preferences;
  const bool word = preferences.Effective(OptionGroup::DataRepresentation) == Option::Word;
  const bool lsbFirst = preferences.Is(Option::LSBFirst);
  const bool tableWord =
      preferences.Effective(OptionGroup::TableRepresentation) == Option::PaletteTableWord;
  const std::uint16_t mode = source.engine.ColorModeWord();
  const auto tableColors =
      static_cast<int>(source.engine.ColorTableData().size() / (tableWord ? 1 : 2));
  return {.word = word,
          .lsbFirst = lsbFirst,
          .includeInfo = preferences.Is(Option::IncludeInfo),
          .tableWord = tableWord,
          .colorModeWord = word && lsbFirst ? SwapBytes(mode) : mode,
          .width = source.ImageWidth,
          .height = source.ImageHeight,
          .binaryTableColors = source.TableInMainFile() ? tableColors : 0};
}

}  // namespace pixmora

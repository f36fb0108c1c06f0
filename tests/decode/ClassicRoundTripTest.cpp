// decode(encode(picture)) is the picture as the encoding quantizes it, for random pictures and
// every combination of the classic options, through every kind of output file.
#include <gtest/gtest.h>

#include <functional>

#include "decode/ClassicCase.h"
#include "decode/ClassicDecoder.h"
#include "decode/ClassicLayout.h"
#include "decode/DecodeOutputFile.h"

namespace pixmora {
namespace {

std::span<const std::uint8_t> Bytes(const std::string& file) {
  return {reinterpret_cast<const std::uint8_t*>(file.data()), file.size()};
}

// Custom formats whose tokens make reading hard: the defaults; assembler numbers with a prefix
// that is a digit and a suffix; a suffix that is a hex digit, no comma and no comment marks.
std::vector<CustomFormat> CustomFormats() {
  CustomFormat defaults;
  CustomFormat assembler;
  assembler.Caption = "logo";
  assembler.OpenBrace = "label:";
  assembler.CloseBrace = "; end";
  assembler.RowDirective = "  .byte";
  assembler.HexNotation = "0";
  assembler.EndNotation = "h";
  assembler.CommentStart = ";";
  assembler.SetBytesPerLine(13);
  CustomFormat bare;
  bare.Caption = "";
  bare.OpenBrace = "{";
  bare.CloseBrace = "";
  bare.RowDirective = "db";
  bare.HexNotation = "$";
  bare.EndNotation = "B";
  bare.CommaSymbol = "";
  bare.CommentStart = "";
  bare.SetBytesPerLine(1);
  return {defaults, assembler, bare};
}

class ClassicRoundTrip : public ::testing::Test {
 protected:
  // Runs the case through the C array, BASIC, custom and binary files; returns how many
  // files were decoded.
  int Check(const ClassicCase& c) {
    SCOPED_TRACE(c.Describe());
    CaseRandom random(c.seed ^ 0x9E3779B9u);
    const ClassicLayout layout{.word = c.word,
                               .lsbFirst = c.lsbFirst,
                               .includeInfo = c.includeInfo,
                               .tableWord = c.tableWord,
                               .colorModeWord = ExpectedModeWord(c),
                               .width = c.width,
                               .height = c.height,
                               .binaryTableColors = c.family == Family::Palette && c.tableInMainFile
                                                        ? c.paletteColors
                                                        : 0};
    // Without the information the layout tells the decoder everything; with it, the file does.
    ClassicLayout given = layout;
    if (c.includeInfo) {
      given.colorModeWord = 0;
      given.width = given.height = 0;
    }

    const ClassicRun c99(c, Option::CArray);
    EXPECT_TRUE(c99.completed);
    EXPECT_EQ(LayoutOfExport(c99.Source()), layout);
    const std::string_view lineEnd = random.Chance(50) ? "\r\n" : "\n";
    CheckText(c99, given, c99.MainFile(ExportKind::Text, lineEnd), {ArraySyntax::CArray});
    CheckBinary(c99, given);

    const ClassicRun basic(c, Option::BasicData);
    CheckText(basic, given, basic.MainFile(ExportKind::Text), {ArraySyntax::BasicData});

    const std::vector<CustomFormat> formats = CustomFormats();
    const CustomFormat& custom = formats[random.Below(static_cast<int>(formats.size()))];
    const ClassicRun tokens(c, Option::Custom, custom);
    const TextSyntax syntax{ArraySyntax::Custom,
                            MakeOutputFormat(tokens.input.Preferences, custom)};
    CheckText(tokens, given, tokens.MainFile(ExportKind::Text), syntax);
    return 4;
  }

  void CheckText(const ClassicRun& run, const ClassicLayout& layout, const std::string& text,
                 const TextSyntax& syntax) {
    if (syntax.kind != ArraySyntax::Custom) {
      EXPECT_EQ(DetectArraySyntax(text), syntax.kind);
    }
    ClassicDecoder decoder(layout);
    if (!run.input.Preferences.Is(Option::PaletteSaveHeader) &&
        run.input.ImageMode == ImageMode::Palette) {
      const ArrayText table = ReadArrayText(run.TableFile(ExportKind::Text), syntax);
      ASSERT_EQ(table.arrays.size(), 1u) << table.error;
      decoder.UseColorTable(table.arrays[0].values);
    }
    const DecodeOutcome outcome = DecodeOutputText("case.h", text, syntax, decoder);
    ASSERT_TRUE(outcome.Ok()) << outcome.error << "\n" << text;
    EXPECT_EQ(outcome.picture, run.expected) << text;
  }

  void CheckBinary(const ClassicRun& run, const ClassicLayout& layout) {
    ClassicDecoder decoder(layout);
    if (layout.binaryTableColors == 0 && run.input.ImageMode == ImageMode::Palette) {
      const std::string table = run.TableFile(ExportKind::Binary);
      decoder.UseColorTable(*BinaryValues(Bytes(table), layout.tableWord));
    }
    const std::string file = run.MainFile(ExportKind::Binary);
    const DecodeOutcome outcome = DecodeOutputBinary("case.bin", Bytes(file), decoder);
    ASSERT_TRUE(outcome.Ok()) << outcome.error;
    EXPECT_EQ(outcome.picture, run.expected);
  }

  // Every combination of Byte / Word, LSB first, compression and the information, for
  // `pictures` random pictures each; `shape` fills in the rest of the case.
  int ForEachCombination(int pictures, const std::function<void(ClassicCase&, CaseRandom&)>& shape,
                         std::uint32_t seed) {
    int files = 0;
    for (int flags = 0; flags < 16; ++flags) {
      for (int n = 0; n < pictures; ++n) {
        ClassicCase c;
        c.seed = seed++;
        CaseRandom random(c.seed);
        c.word = flags & 1;
        c.lsbFirst = flags & 2;
        c.compression = flags & 4;
        c.includeInfo = flags & 8;
        c.width = 1 + random.Below(random.Chance(20) ? 3 : 24);
        c.height = 1 + random.Below(random.Chance(20) ? 3 : 24);
        shape(c, random);
        files += Check(c);
        if (HasFailure())
          return files;
      }
    }
    return files;
  }
};

TEST_F(ClassicRoundTrip, ColorAndMonochromeEncodings) {
  int files = 0;
  for (const Family family : {Family::Color565, Family::Color444, Family::Color332,
                              Family::MonochromeVertical, Family::MonochromeHorizontal}) {
    files += ForEachCombination(
        10, [family](ClassicCase& c, CaseRandom&) { c.family = family; },
        1000 * static_cast<std::uint32_t>(family));
  }
  EXPECT_EQ(files, 5 * 16 * 10 * 4);
}

TEST_F(ClassicRoundTrip, PaletteSizesAndPackings) {
  // Every packing, size codes that say the count and counts they cannot say.
  const int counts[] = {1, 2, 3, 4, 5, 8, 12, 16, 17, 64, 200, 256};
  int files = 0;
  for (const int colors : counts) {
    files += ForEachCombination(
        6,
        [colors](ClassicCase& c, CaseRandom& random) {
          c.family = Family::Palette;
          c.paletteColors = colors;
          c.packed = random.Chance(75);
          c.tableWord = random.Chance(50);
          c.tableInMainFile = random.Chance(50);
        },
        10000 + 100 * static_cast<std::uint32_t>(colors));
  }
  EXPECT_EQ(files, 12 * 16 * 6 * 4);
}

// Sizes above 255 put both bytes of the width and height to work; flat pictures give runs
// longer than a count can hold, so that runs are split.
TEST_F(ClassicRoundTrip, WidePicturesAndLongRuns) {
  int files = 0;
  for (const Family family :
       {Family::Color565, Family::Color332, Family::MonochromeVertical, Family::Palette}) {
    files += ForEachCombination(
        1,
        [family](ClassicCase& c, CaseRandom& random) {
          c.family = family;
          c.paletteColors = family == Family::Palette ? 2 : 0;
          c.packed = random.Chance(50);
          c.width = 250 + random.Below(300);
          c.height = 1 + random.Below(9);
          c.repeatPercent = random.Chance(50) ? 100 : 98;
          if (random.Chance(50))
            std::swap(c.width, c.height);
        },
        50000 + 100 * static_cast<std::uint32_t>(family));
  }
  EXPECT_EQ(files, 4 * 16 * 4);
}

}  // namespace
}  // namespace pixmora

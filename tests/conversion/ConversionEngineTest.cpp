#include "conversion/ConversionEngine.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "conversion/OutputTexts.h"
#include "conversion/RecordingProgressSink.h"
#include "platform/RecordingMessageBox.h"

namespace pixmora {
namespace {

using Values = std::vector<std::int32_t>;

std::string Lines(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (auto line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

TBitmap32 Picture(int width, int height, std::initializer_list<std::uint32_t> pixels) {
  TBitmap32 image(width, height);
  std::copy(pixels.begin(), pixels.end(), image.Pixels().begin());
  return image;
}

class Conversion : public ::testing::Test {
 protected:
  // The 3 x 2 picture of the worked example: red, green, blue / white, black, mid-grey.
  Conversion()
      : image(
            Picture(3, 2,
                    {MakePixel(255, 0, 0), MakePixel(0, 255, 0), MakePixel(0, 0, 255),
                     MakePixel(255, 255, 255), MakePixel(0, 0, 0), MakePixel(0x80, 0x80, 0x80)})) {
    Use(image);
    input.CurrentFileName = "/home/user/pictures/logo.bmp";
    input.Preferences.Set(Option::IncludeInfo, false);
  }

  void Use(const TBitmap32& picture) {
    input.WorkingImage = &picture;
    input.ImageWidth = static_cast<std::uint16_t>(picture.Width());
    input.ImageHeight = static_cast<std::uint16_t>(picture.Height());
  }

  void Set(std::initializer_list<Option> options) {
    for (Option option : options)
      input.Preferences.Set(option, true);
  }

  // A palette picture of `colors` table entries, pixel i having color i mod colors.
  void UsePalette(int colors, int pixels) {
    table.clear();
    for (int k = 0; k < colors; ++k)
      table.push_back(static_cast<std::uint32_t>(k | (k * 7 & 0xFF) << 8 | (k * 13 & 0xFF) << 16));
    palettePicture = TBitmap32(pixels, 1);
    for (int i = 0; i < pixels; ++i) {
      const std::uint32_t entry = table[i % colors];
      palettePicture.Pixels()[i] = MakePixel(entry & 0xFF, (entry >> 8) & 0xFF, entry >> 16);
    }
    Use(palettePicture);
    input.ImageMode = ImageMode::Palette;
    input.ColorTable = table;
    input.PaletteColorCount = colors;
  }

  bool Run() { return engine.Run(input, sink, messages); }

  std::string Text() {
    EXPECT_TRUE(Run());
    return engine.OutputText();
  }

  TBitmap32 image;
  TBitmap32 palettePicture;
  std::vector<std::uint32_t> table;
  ConversionInput input;
  ConversionEngine engine;
  RecordingProgressSink sink;
  RecordingMessageBox messages;
};

TEST_F(Conversion, WorkedExampleAsCArrayOfBytes) {
  Set({Option::Color256, Option::IncludeInfo, Option::CArray, Option::Byte});
  const std::string text = Text();
  EXPECT_EQ(engine.ColorModeWord(), 0x0005);
  EXPECT_EQ(engine.OutputData(), (Values{0xE0, 0x1C, 0x03, 0xFF, 0x00, 0x92}));
  EXPECT_EQ(engine.OutputElementCount(), 12);
  OutputFormat c;
  EXPECT_EQ(text, Lines({"/*", kCreditLine, kInvitationLine, "*/", ""}) + ColorModeComment(c) +
                      Lines({"const unsigned char logo[12] PROGMEM = {",
                             "/* Image dimensions: (W x H) */", "0x00, 0x03, 0x00, 0x02, ", "",
                             "/* Color mode */", "0x00, 0x05,", "", "/* Data */",
                             "0xE0, 0x1C, 0x03, 0xFF, 0x00, 0x92", "};"}));
  EXPECT_EQ(engine.OutputLines().Count(), 38u + 10u);
}

TEST_F(Conversion, WorkedExampleAsBasicDataOfWords) {
  Set({Option::Color256, Option::IncludeInfo, Option::BasicData, Option::Word});
  const std::string text = Text();
  EXPECT_EQ(engine.OutputData(), (Values{0xE01C, 0x03FF, 0x0092}));
  EXPECT_EQ(engine.OutputElementCount(), 6);
  EXPECT_EQ(text,
            Lines({"'" + std::string(kCreditLine), "'" + std::string(kInvitationLine), "", ""}) +
                ColorModeComment(engine.OutputFormat()) +
                Lines({"logo:", "'Image size 6", "'Image dimensions: (W x H)",
                       "Data &h0003%, &h0002%,", "", "'Color mode", "Data &h0005%,", "", "'Data",
                       "Data &hE01C%, &h03FF%, &h0092%", ""}));
}

TEST_F(Conversion, WorkedExampleInTheDefaultCustomFormat) {
  Set({Option::Color256, Option::Custom, Option::Byte});
  EXPECT_EQ(Text(), Lines({"//" + std::string(kCreditLine), "//" + std::string(kInvitationLine), "",
                           "Caption = (", "//Image size 6",
                           "Data &hE0%, &h1C%, &h03%, &hFF%, &h00%, &h92%", ")"}));
  EXPECT_EQ(engine.OutputElementCount(), 6);
}

void ExpectEnd(const std::string& text, std::string_view end) {
  ASSERT_GE(text.size(), end.size());
  EXPECT_EQ(text.substr(text.size() - end.size()), end);
}

TEST(ColorModeComment, EndsWithTheBlankLinesOfItsFormat) {
  Preferences preferences;
  const std::string c = ColorModeComment(MakeOutputFormat(preferences, {}));
  EXPECT_EQ(c.substr(0, 21), "/* Color mode byte:\r\n");
  EXPECT_NE(c.find("\r\nBit     0:    0    --> Compression on\r\n"
                   "              1    --> Compression off\r\n"),
            std::string::npos);
  EXPECT_NE(
      c.find("\r\n              0100 --> Palette mode 16 - 8   colors (1 byte = 2 pixel)\r\n"),
      std::string::npos);
  EXPECT_NE(c.find("\r\nBit 8 - 10:   000  --> 256 colors or no palette\r\n"), std::string::npos);
  ExpectEnd(c, "\r\nBit 11 - 15:  Reserved\r\n\r\n*/\r\n\r\n\r\n");

  preferences.Set(Option::BasicData, true);
  const std::string basic = ColorModeComment(MakeOutputFormat(preferences, {}));
  EXPECT_EQ(basic.substr(0, 22), "'Color mode byte:\r\n'\r\n");
  ExpectEnd(basic, "\r\n'Bit 11 - 15:  Reserved\r\n\r\n\r\n\r\n\r\n");

  CustomFormat custom;
  custom.CommentStart = "(*";
  custom.CommentEnd = "*)";
  preferences.Set(Option::Custom, true);
  const std::string pascal = ColorModeComment(MakeOutputFormat(preferences, custom));
  EXPECT_EQ(pascal.substr(0, 26), "(*Color mode byte:*)\r\n(**)");
  ExpectEnd(pascal, "\r\n(*Bit 11 - 15:  Reserved*)\r\n\r\n\r\n\r\n\r\n");
}

struct ModeCase {
  ImageMode mode;
  std::vector<Option> options;
  int paletteColors;
  std::uint16_t colorModeWord;
};

class ColorModeWordExamples : public Conversion, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(ColorModeWordExamples, DescribeTheEncoding) {
  const ModeCase& c = GetParam();
  if (c.mode == ImageMode::Palette) {
    UsePalette(c.paletteColors, 20);
  } else {
    input.ImageMode = c.mode;
  }
  for (Option option : c.options)
    input.Preferences.Set(option, true);
  ASSERT_TRUE(Run());
  EXPECT_EQ(engine.ColorModeWord(), c.colorModeWord);
}

using enum Option;
INSTANTIATE_TEST_SUITE_P(
    Examples, ColorModeWordExamples,
    ::testing::Values(
        ModeCase{ImageMode::Color, {Color65536}, 0, 0x0001},
        ModeCase{ImageMode::Color, {Color65536, Compression}, 0, 0x0000},
        ModeCase{ImageMode::Color, {Color4096}, 0, 0x0003},
        ModeCase{ImageMode::Color, {Color256, Compression}, 0, 0x0004},
        ModeCase{ImageMode::Monochrome, {MonochromeVertical}, 0, 0x000F},
        ModeCase{ImageMode::Monochrome, {MonochromeHorizontal}, 0, 0x0011},
        ModeCase{ImageMode::Palette, {Palette1To8Pixel}, 16, 0x0409},
        ModeCase{ImageMode::Palette, {Palette1To8Pixel, Compression}, 2, 0x070C},
        ModeCase{ImageMode::Palette, {Palette1To8Pixel, Compression, Word, LSBFirst}, 2, 0x0C07},
        ModeCase{ImageMode::Palette, {Palette1To8Pixel}, 4, 0x060B},
        ModeCase{ImageMode::Palette, {Palette1To8Pixel}, 12, 0x0009},
        ModeCase{ImageMode::Palette, {Palette1To8Pixel}, 8, 0x0509},
        ModeCase{ImageMode::Palette, {Palette1To8Pixel}, 3, 0x0007},
        ModeCase{ImageMode::Palette, {Palette1To8Pixel}, 7, 0x0007},
        ModeCase{ImageMode::Palette, {Palette1To8Pixel}, 17, 0x0007},
        ModeCase{ImageMode::Palette, {Palette1To8Pixel}, 32, 0x0307},
        ModeCase{ImageMode::Palette, {Palette1Pixel}, 16, 0x0407},
        ModeCase{ImageMode::Palette, {Palette1Pixel}, 256, 0x0007}));

TEST_F(Conversion, PalettePackingFollowsTheColorCount) {
  Set({Palette1To8Pixel});
  UsePalette(12, 5);
  ASSERT_TRUE(Run());
  EXPECT_EQ(engine.OutputData(), (Values{0x01, 0x23, 0x40}));
  UsePalette(5, 3);
  ASSERT_TRUE(Run());
  EXPECT_EQ(engine.OutputData(), (Values{0, 1, 2}));
}

TEST_F(Conversion, Color65536InWordsRebuildsEachPixel) {
  const TBitmap32 one = Picture(1, 1, {MakePixel(0xFF, 0x80, 0x40)});
  Use(one);
  Set({Color65536, Byte});
  ASSERT_TRUE(Run());
  EXPECT_EQ(engine.OutputData(), (Values{0xFC, 0x08}));
  Set({Word});
  ASSERT_TRUE(Run());
  EXPECT_EQ(engine.OutputData(), (Values{0xFC08}));
  Set({LSBFirst});
  ASSERT_TRUE(Run());
  EXPECT_EQ(engine.OutputData(), (Values{0x08FC}));
  EXPECT_EQ(engine.ColorModeWord(), 0x0100);
}

TEST_F(Conversion, AnOddNumberOfBytesEndsWithAHalfWord) {
  TBitmap32 nine(3, 3);
  for (auto& pixel : nine.Pixels())
    pixel = MakePixel(0xFF, 0x80, 0x40);  // 0xF1 in 3-3-2
  Use(nine);
  Set({Color256, Word});
  ASSERT_TRUE(Run());
  EXPECT_EQ(engine.OutputData(), (Values{0xF1F1, 0xF1F1, 0xF1F1, 0xF1F1, 0x00F1}));
  Set({LSBFirst});
  ASSERT_TRUE(Run());
  EXPECT_EQ(engine.OutputData().back(), 0xF100);
}

TEST_F(Conversion, InfoHeaderSwapsTheSizeWithWordAndLsbFirst) {
  const TBitmap32 big(320, 240);
  Use(big);
  Set({Word, LSBFirst, IncludeInfo});
  const std::string text = Text();
  EXPECT_NE(text.find("/* Image dimensions: (W x H) */\r\n0x4001, 0xF000, \r\n\r\n"
                      "/* Color mode */\r\n0x0100,\r\n\r\n/* Data */\r\n"),
            std::string::npos);
  EXPECT_EQ(engine.OutputElementCount(), 320 * 240 + 3);
}

TEST_F(Conversion, InfoHeaderOfBasicBytesAndOfACustomFormat) {
  Set({BasicData, IncludeInfo});
  EXPECT_NE(Text().find("'Image dimensions: (W x H)\r\nData &h00, &h03, &h00, &h02, \r\n\r\n"
                        "'Color mode\r\nData &h00, &h01,\r\n\r\n'Data\r\n"),
            std::string::npos);
  Set({Custom, Word});
  EXPECT_NE(Text().find("//Image dimensions: (W x H)\r\nData &h0003%, &h0002%, \r\n\r\n"
                        "//Color mode\r\nData &h0001%, \r\n\r\n//Data\r\n"),
            std::string::npos);
}

TEST_F(Conversion, CompressionRatioLineAndNegativeRatios) {
  const TBitmap32 pair = Picture(1, 1, {MakePixel(0, 0, 0)});  // 565 bytes 00 00: A A -> A A 0
  Use(pair);
  Set({Compression});
  EXPECT_NE(Text().find("/* Compression ratio = -50% */\r\nconst unsigned char logo[3] "),
            std::string::npos);
  EXPECT_EQ(engine.CompressionRatio(), -50);
  Set({BasicData});
  EXPECT_NE(Text().find("\r\n'Compression ratio = -50%\r\nlogo:\r\n"), std::string::npos);
}

TEST_F(Conversion, ImageDataInBytesWithAColorTableInWords) {
  UsePalette(2, 3);
  Set({BasicData, Byte, PaletteTableWord, Palette1Pixel});
  const std::string text = Text();
  EXPECT_EQ(engine.ColorTableData(), (Values{0x0000, 0x0021}));
  const std::string table =
      Lines({"'Image color table size: 2", "Table_logo:", "Data &h0000%, &h0021%", ""});
  const std::string image = Lines({"logo:", "'Image size 3", "Data &h00, &h01, &h00", ""});
  EXPECT_EQ(text, engine.OutputBanner() + table + "\r\n\r\n" + image);
  EXPECT_EQ(engine.ColorTableLines().Text(), table);
  EXPECT_EQ(engine.OutputLines().Text(), image);
  const TextPieces pieces = engine.OutputTextPieces();
  EXPECT_EQ(std::string(pieces.banner) + std::string(pieces.colorTable) + std::string(pieces.gap) +
                std::string(pieces.lines),
            text);
}

TEST_F(Conversion, ARunWithoutATableKeepsNoTableOfAnEarlierRun) {
  UsePalette(2, 3);
  Set({Palette1Pixel});
  Text();
  ASSERT_FALSE(engine.ColorTableData().empty());
  input.ImageMode = ImageMode::Color;
  Text();
  EXPECT_TRUE(engine.ColorTableData().empty());
}

TEST_F(Conversion, ArrayNamesAreIdentifiersInCOnly) {
  input.CurrentFileName = "/pictures/8-photo 128x64.png";
  UsePalette(2, 3);
  EXPECT_NE(Text().find("Table__8_photo_128x64[2] PROGMEM"), std::string::npos);
  EXPECT_NE(Text().find("const unsigned char _8_photo_128x64[3] PROGMEM"), std::string::npos);
  Set({BasicData});
  EXPECT_NE(Text().find("\r\nTable_8-photo 128x64:\r\n"), std::string::npos);
  EXPECT_NE(Text().find("\r\n8-photo 128x64:\r\n"), std::string::npos);
}

TEST_F(Conversion, ColorTableHeadersAndLsbFirstTableWords) {
  table = {0x0000FF};  // pure red
  const TBitmap32 red = Picture(1, 1, {MakePixel(255, 0, 0)});
  Use(red);
  input.ImageMode = ImageMode::Palette;
  input.ColorTable = table;
  input.PaletteColorCount = 1;
  Set({PaletteTableByte});
  EXPECT_NE(Text().find("const unsigned char Table_logo[2] PROGMEM = {\r\n0xF8, 0x00\r\n};\r\n"
                        "\r\n\r\nconst unsigned char logo[1] PROGMEM = {\r\n0x00\r\n};\r\n"),
            std::string::npos);
  Set({PaletteTableWord, Word, LSBFirst, Custom});
  EXPECT_NE(Text().find("//Image color table size: 1\r\nCaption = (\r\nData &h00F8%\r\n)\r\n"),
            std::string::npos);
  EXPECT_EQ(engine.ColorTableData(), (Values{0x00F8}));
}

TEST_F(Conversion, PaletteOfMoreThan256ColorsIsRefused) {
  UsePalette(256, 300);
  ASSERT_TRUE(Run());
  input.PaletteColorCount = 257;
  EXPECT_FALSE(Run());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Images with more than 256 palette colors are not supported");
  EXPECT_EQ(messages.shown[0].title, "Palette error");
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Error);
  EXPECT_EQ(engine.OutputText(), "");
  EXPECT_FALSE(engine.Completed());
}

TEST_F(Conversion, APixelMissingFromThePaletteEndsTheRunWithoutOutput) {
  UsePalette(4, 8);
  palettePicture.Pixels()[5] = MakePixel(1, 1, 1);
  EXPECT_FALSE(Run());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "Palette Error");
  EXPECT_EQ(engine.OutputText(), "");
}

TEST_F(Conversion, ACountAboveTheTableSizeNeverReadsBeyondIt) {
  UsePalette(4, 8);
  input.PaletteColorCount = 16;  // the table holds 4
  ASSERT_TRUE(Run());
  EXPECT_EQ(engine.ColorTableData().size(), 4u);
}

TEST_F(Conversion, SizesThatDoNotMatchThePixelsAreRefused) {
  input.ImageWidth = 4;
  EXPECT_FALSE(Run());
  input.WorkingImage = nullptr;
  EXPECT_FALSE(Run());
  EXPECT_TRUE(sink.phases.empty());
}

TEST_F(Conversion, EmptyRadioGroupsActAsTheirDefaults) {
  for (Option option :
       {Color65536, CArray, Byte, Palette1Pixel, MonochromeVertical, PaletteTableWord}) {
    input.Preferences.Set(option, false);
  }
  ASSERT_TRUE(Run());
  EXPECT_EQ(engine.ColorModeWord(), 0x0001);   // 65536 colors
  EXPECT_EQ(engine.OutputData().size(), 12u);  // bytes
  EXPECT_EQ(engine.OutputFormat().Kind, OutputKind::Custom);

  input.ImageMode = ImageMode::Monochrome;
  ASSERT_TRUE(Run());
  EXPECT_EQ(engine.ColorModeWord(), 0x0011);  // horizontal

  UsePalette(16, 4);
  ASSERT_TRUE(Run());
  EXPECT_EQ(engine.ColorModeWord(), 0x0407);       // one pixel per byte
  EXPECT_EQ(engine.ColorTableData().size(), 32u);  // table bytes
}

TEST_F(Conversion, EveryPhaseReportsItsCaptionInOrder) {
  UsePalette(4, 10);
  Set({Compression});
  ASSERT_TRUE(Run());
  EXPECT_EQ(sink.Captions(), (std::vector<std::string>{
                                 "Convert image to palette mode...",
                                 "Convert color table to 65536 colors...", "Compressing data...",
                                 "Formatting output...", "Formatting color table output..."}));
}

struct CancelCase {
  ImageMode mode;
  Option option;
  std::string caption;
};

class CancelInEveryPhase : public Conversion, public ::testing::WithParamInterface<CancelCase> {};

TEST_P(CancelInEveryPhase, LeavesTheOutputEmpty) {
  UsePalette(4, 10);
  input.ImageMode = GetParam().mode;
  Set({Compression, GetParam().option});
  ASSERT_TRUE(Run());
  const std::size_t pumps = sink.pumps;
  ASSERT_FALSE(engine.OutputText().empty());

  sink.phases.clear();
  sink.pumps = 0;
  sink.CancelAt(GetParam().caption, 1);
  EXPECT_FALSE(Run());
  EXPECT_EQ(engine.OutputText(), "");
  EXPECT_FALSE(engine.Completed());
  EXPECT_LT(sink.pumps, pumps);
  EXPECT_EQ(sink.phases.back().caption, GetParam().caption);

  // The next run clears the cancel and completes.
  sink.cancelCaption.reset();
  EXPECT_TRUE(Run());
}

INSTANTIATE_TEST_SUITE_P(
    Phases, CancelInEveryPhase,
    ::testing::Values(
        CancelCase{ImageMode::Color, Color256, "Convert image to 256 colors..."},
        CancelCase{ImageMode::Color, Color4096, "Convert image to 4096 colors..."},
        CancelCase{ImageMode::Color, Color65536, "Convert image to 65536 colors..."},
        CancelCase{ImageMode::Monochrome, MonochromeVertical, "Convert image to monochrome..."},
        CancelCase{ImageMode::Monochrome, MonochromeHorizontal, "Convert image to monochrome..."},
        CancelCase{ImageMode::Palette, Palette1Pixel, "Convert image to palette mode..."},
        CancelCase{ImageMode::Palette, Palette1Pixel, "Convert color table to 65536 colors..."},
        CancelCase{ImageMode::Color, Color65536, "Compressing data..."},
        CancelCase{ImageMode::Color, Color65536, "Formatting output..."},
        CancelCase{ImageMode::Palette, Palette1Pixel, "Formatting color table output..."}));

// Pumps the events of the progress window: here, a second activation that tries to run again.
class ReenteringSink : public RecordingProgressSink {
 public:
  void PumpMessages(std::int64_t position) override {
    RecordingProgressSink::PumpMessages(position);
    if (engine != nullptr && !tried) {
      tried = true;
      nestedResult = engine->Run(*input, *this, messages);
    }
  }
  ConversionEngine* engine = nullptr;
  const ConversionInput* input = nullptr;
  RecordingMessageBox messages;
  bool tried = false;
  bool nestedResult = true;
};

TEST_F(Conversion, ASecondRunDuringARunIsRefused) {
  ReenteringSink reentering;
  reentering.engine = &engine;
  reentering.input = &input;
  EXPECT_TRUE(engine.Run(input, reentering, messages));
  EXPECT_TRUE(reentering.tried);
  EXPECT_FALSE(reentering.nestedResult);
  EXPECT_FALSE(engine.OutputText().empty());
}

TEST_F(Conversion, ResultsStayUntilTheNextRun) {
  Set({IncludeInfo});
  const std::string first = Text();
  const ConversionEngine copy = engine;
  input.ImageMode = ImageMode::Monochrome;
  EXPECT_NE(Text(), first);
  EXPECT_EQ(copy.OutputText(), first);
}

TEST_F(Conversion, ReleaseGivesBackResultsAndBuffersAndTheNextRunSizesThemAnew) {
  Set({Compression});
  const std::string converted = Text();
  const std::size_t held = engine.HeldBytes();
  EXPECT_GT(held, converted.size());
  engine.Release();
  EXPECT_FALSE(engine.Completed());
  EXPECT_TRUE(engine.OutputText().empty());
  EXPECT_TRUE(engine.OutputData().empty());
  EXPECT_EQ(engine.HeldBytes(), ConversionEngine().HeldBytes());
  EXPECT_EQ(Text(), converted);
}

TEST_F(Conversion, ABigBufferIsSizedInSlicesWithTheWindowPumpedBetween) {
  // 1024 x 1024 pixels: 2 MB values of 4 bytes for the bytes of 5-6-5, 3 MB for the
  // compression's worst case; every 4 MB slice is followed by a pump at the bar's start.
  image.SetSize(1024, 1024);
  input.ImageWidth = 1024;
  input.ImageHeight = 1024;
  Set({Compression});
  RecordingProgressSink sink;
  ASSERT_TRUE(engine.Run(input, sink, messages));
  ASSERT_GE(sink.phases.size(), 2u);
  const auto leadingZeros = [](const std::vector<std::int64_t>& positions) {
    return std::find_if(positions.begin(), positions.end(), [](auto p) { return p != 0; }) -
           positions.begin();
  };
  EXPECT_EQ(sink.phases[0].caption, "Convert image to 65536 colors...");
  // One pump after the first slice, then the pump after pixel 0.
  EXPECT_EQ(leadingZeros(sink.phases[0].positions), 2);
  EXPECT_EQ(sink.phases[1].caption, "Compressing data...");
  EXPECT_EQ(leadingZeros(sink.phases[1].positions), 3);  // 3 MB + 1 values, then the runs
}

}  // namespace
}  // namespace pixmora

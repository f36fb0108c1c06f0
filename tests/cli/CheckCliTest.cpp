// --verify, --preview, --compare and the decode command, run in-process.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "cli/Verify.h"
#include "decode/ExpectedPictures.h"
#include "decode/TargetLayout.h"
#include "image/codecs/PngDecoder.h"
#include "tests/cli/CliFixture.h"

namespace pixmora::cli {
namespace {

using ::testing::HasSubstr;

// 13 x 7 pixels of many colors; a part of them transparent in the PNG.
std::vector<std::uint32_t> Colors(bool alpha) {
  std::vector<std::uint32_t> pixels;
  for (std::uint32_t i = 0; i < 13 * 7; ++i) {
    const std::uint32_t a = alpha && i % 5 == 0 ? (i * 37) & 0xFF : 0xFF;
    pixels.push_back(a << 24 | (i * 0x2F1D3Bu & 0xFFFFFFu));
  }
  return pixels;
}

class CheckCliTest : public CliFixture {
 protected:
  void SetUp() override {
    CliFixture::SetUp();
    Save("photo.png", pixmora::testing::MakeRgbPng(13, 7, Colors(false), false));
    Save("clear.png", pixmora::testing::MakeRgbPng(13, 7, Colors(true), true));
  }

  // Runs the options on `picture`, writing `output`, with --verify.
  void ExpectVerified(std::vector<std::string> options, const std::string& output,
                      const std::string& picture) {
    options.insert(options.end(), {"--verify", "-o", Path(output), Path(picture)});
    const Outcome outcome = Run(options);
    std::ostringstream call;
    for (const std::string& option : options)
      call << option << ' ';
    EXPECT_EQ(outcome.code, kSuccess) << call.str() << "\n" << outcome.err;
    EXPECT_EQ(outcome.err, "") << call.str();
  }

  TBitmap32 ReadPng(const std::string& name) {
    const std::string bytes = Read(Path(name));
    const DecodeResult png =
        DecodePng({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
    EXPECT_TRUE(png.ok) << png.error;
    TBitmap32 picture;
    picture.AssignOpaque(png.picture.width, png.picture.height, png.picture.pixels);
    return picture;
  }
};

TEST_F(CheckCliTest, VerifyPassesForEveryClassicOptionFamily) {
  const std::vector<std::vector<std::string>> families{
      {"--colors", "65536"},
      {"--colors", "4096", "--repr", "word"},
      {"--colors", "256", "--compress", "--repr", "word", "--lsb-first"},
      {"--mode", "monochrome", "--orientation", "vertical", "--no-info"},
      {"--mode", "monochrome", "--orientation", "horizontal", "--compress"},
      {"--threshold", "4000000", "--repr", "word", "--lsb-first", "--compress"},
      {"--reduce", "16", "--pixels-per-byte", "auto", "--table", "byte"},
      {"--reduce", "4", "--pixels-per-byte", "auto", "--compress", "--no-info"},
      {"--reduce", "2", "--pixels-per-byte", "auto", "--repr", "word", "--lsb-first"},
      {"--reduce", "256", "--table-placement", "separate", "--table-output", Path("t.h")},
      {"--reduce", "8", "--table-placement", "none"},
      {"--format", "basic", "--reduce", "32", "--compress"},
      {"--format", "custom", "--hex-notation", "$", "--end-notation", "", "--per-line", "5"},
  };
  for (const auto& options : families) {
    ExpectVerified(options, "out.h", "photo.png");
    std::vector<std::string> binary = options;
    if (binary.back() == Path("t.h"))
      binary.back() = Path("t.bin");
    ExpectVerified(binary, "out.bin", "photo.png");
  }
}

TEST_F(CheckCliTest, VerifyPassesForEveryTargetAndItsChoices) {
  std::vector<std::vector<std::string>> runs{
      {"--target", "gfx-bitmap", "--invert"},
      {"--target", "xbm", "--dither", "floyd-steinberg", "--code", "c"},
      {"--target", "pages", "--luma-threshold", "90", "--dither", "ordered"},
      {"--target", "rgb565", "--mask"},
      {"--target", "rgb565", "--swap-bytes", "--code", "c"},
      {"--target", "rgb565", "--dither", "ordered", "--background", "FF8000"},
      {"--target", "rgb332", "--dither", "floyd-steinberg"},
      {"--target", "gray8", "--mask", "--code", "c"},
      {"--target", "gray4", "--dither", "ordered"},
      {"--target", "gray2"},
      {"--reduce", "16", "--target", "index4"},
      {"--reduce", "256", "--target", "index8", "--no-progmem"},
  };
  for (const LvglFormatInfo& format : kLvglFormats) {
    std::vector<std::string> run{"--target", "lvgl9", "--cf", format.name, "--align", "4"};
    if (IsLvglIndexed(format.format))
      run.insert(run.begin(), {"--reduce", std::to_string(1 << format.bitsPerPixel)});
    runs.push_back(run);
  }
  for (const auto& options : runs) {
    const bool pair = std::find(options.begin(), options.end(), "c") != options.end() ||
                      std::find(options.begin(), options.end(), "lvgl9") != options.end();
    ExpectVerified(options, pair ? "out.c" : "out.h", "clear.png");
    ExpectVerified(options, "out.bin", "clear.png");
  }
}

TEST_F(CheckCliTest, AChangedByteFailsVerificationWithTheFirstDifferingPixel) {
  // The reading back of a run, given files that changed after they were written.
  ASSERT_EQ(Run({"--target", "rgb565", "-o", Path("r.bin"), Path("photo.png")}).code, kSuccess);
  ASSERT_EQ(Run({"--no-info", "-o", Path("c.h"), Path("photo.png")}).code, kSuccess);
  CliOptions o;
  o.verify = true;
  TBitmap32 image;
  image.AssignOpaque(13, 7, Colors(false));

  WrittenRun target;
  target.layout.target = TargetLayout{.target = TargetKind::Rgb565, .width = 13, .height = 7};
  target.binary = true;
  target.mainFile = Path("r.bin");
  target.expected = ExpectedTargetPicture(image, {.target = TargetKind::Rgb565});
  WrittenRun classic;
  classic.layout.classic = {.colorModeWord = 0x0001, .width = 13, .height = 7};
  classic.mainFile = Path("c.h");
  classic.expected = ExpectedClassicPicture(image, ClassicEncoding::Color565, {});

  const auto check = [&](const WrittenRun& run) {
    char* text = nullptr;
    std::size_t size = 0;
    std::FILE* err = open_memstream(&text, &size);
    const int code = CheckWrittenRun(o, run, err);
    std::fclose(err);
    const std::string message(text, size);
    std::free(text);
    return std::make_pair(code, message);
  };
  EXPECT_EQ(check(target), std::make_pair(int{kSuccess}, std::string()));
  EXPECT_EQ(check(classic), std::make_pair(int{kSuccess}, std::string()));

  std::string bin = Read(Path("r.bin"));
  bin[2 * 13 + 4] ^= 0x40;  // pixel (2, 1), its low byte
  Save("r.bin", BytesOf(bin));
  const auto [binCode, binMessage] = check(target);
  EXPECT_EQ(binCode, kVerificationFailed);
  EXPECT_THAT(binMessage,
              HasSubstr("verification failed: " + Path("r.bin") + ": pixel (2, 1) shows #"));

  std::string text = Read(Path("c.h"));
  const std::size_t value = text.find("0x", text.find('{'));
  text[value + 2] = text[value + 2] == 'F' ? 'E' : 'F';
  Save("c.h", BytesOf(text));
  const auto [textCode, textMessage] = check(classic);
  EXPECT_EQ(textCode, kVerificationFailed);
  EXPECT_THAT(textMessage, HasSubstr(": pixel (0, 0) shows #"));
}

TEST_F(CheckCliTest, PreviewIsTheDecodedPictureEnlarged) {
  const Outcome run = Run({"--target", "gray2", "--preview", Path("p.png"), "--preview-scale", "3",
                           "-o", Path("g.h"), Path("photo.png")});
  ASSERT_EQ(run.code, kSuccess) << run.err;
  const TBitmap32 preview = ReadPng("p.png");
  ASSERT_EQ(preview.Width(), 39);
  ASSERT_EQ(preview.Height(), 21);
  TBitmap32 image;
  image.AssignOpaque(13, 7, Colors(false));
  const TBitmap32 expected = ExpectedTargetPicture(image, {.target = TargetKind::Gray2});
  for (const auto& [x, y] : {std::pair{0, 0}, {38, 20}, {17, 10}})
    EXPECT_EQ(preview.Pixel(x, y), expected.Pixel(x / 3, y / 3));

  // The text that goes to the standard output is previewed as well.
  const Outcome shown = Run({"--colors", "256", "--preview", Path("s.png"), Path("photo.png")});
  ASSERT_EQ(shown.code, kSuccess) << shown.err;
  EXPECT_THAT(shown.out, HasSubstr("/* Data */"));
  EXPECT_EQ(ReadPng("s.png").Width(), 13);
  EXPECT_EQ(Run({"--preview-scale", "17", Path("photo.png")}).err,
            "--preview-scale: expected a number from 1 to 16, got '17'\n");
}

TEST_F(CheckCliTest, DecodeTurnsArraysBackIntoPictures) {
  TBitmap32 image;
  image.AssignOpaque(13, 7, Colors(false));
  // A classic C array with its image information, a target header with its size macros, a
  // .bin file with --size, and LVGL's binary image with its header.
  ASSERT_EQ(Run({"--colors", "4096", "--compress", "-o", Path("c.h"), Path("photo.png")}).code,
            kSuccess);
  ASSERT_EQ(Run({"decode", Path("c.h"), "-o", Path("c.png")}).code, kSuccess);
  EXPECT_EQ(ReadPng("c.png"), ExpectedClassicPicture(image, ClassicEncoding::Color444, {}));

  ASSERT_EQ(Run({"--target", "rgb332", "-o", Path("t.h"), Path("photo.png")}).code, kSuccess);
  const Outcome target = Run({"decode", "--target", "rgb332", Path("t.h"), "-o", Path("t.png")});
  ASSERT_EQ(target.code, kSuccess) << target.err;
  EXPECT_EQ(ReadPng("t.png"), ExpectedTargetPicture(image, {.target = TargetKind::Rgb332}));

  ASSERT_EQ(Run({"--target", "xbm", "-o", Path("x.bin"), Path("photo.png")}).code, kSuccess);
  const Outcome unsized = Run({"decode", "--target", "xbm", Path("x.bin"), "-o", Path("x.png")});
  EXPECT_EQ(unsized.code, kInputError);
  EXPECT_EQ(unsized.err, "Cannot decode \"" + Path("x.bin") +
                             "\": the width and height of the picture are unknown: the file does "
                             "not give them and none were given\n");
  ASSERT_EQ(
      Run({"decode", "--target", "xbm", "--size", "13x7", Path("x.bin"), "-o", Path("x.png")}).code,
      kSuccess);

  ASSERT_EQ(
      Run({"--target", "lvgl9", "--cf", "ARGB8888", "-o", Path("l.bin"), Path("photo.png")}).code,
      kSuccess);
  ASSERT_EQ(Run({"decode", "--target", "lvgl9", Path("l.bin"), "-o", Path("l.png")}).code,
            kSuccess);
  EXPECT_EQ(ReadPng("l.png"), image);

  // Palette data without its information: the color count from the table ahead of it.
  ASSERT_EQ(Run({"--reduce", "16", "--pixels-per-byte", "auto", "--no-info", "--preview",
                 Path("p0.png"), "-o", Path("p.h"), Path("photo.png")})
                .code,
            kSuccess);
  const Outcome palette = Run({"decode", "--mode", "palette", "--pixels-per-byte", "auto",
                               "--no-info", "--size", "13x7", Path("p.h"), "-o", Path("p.png")});
  ASSERT_EQ(palette.code, kSuccess) << palette.err;
  EXPECT_EQ(ReadPng("p.png"), ReadPng("p0.png"));

  EXPECT_EQ(Run({"decode", Path("c.h")}).err,
            "decode: expected -o PICTURE.png for the decoded picture\n");
  EXPECT_EQ(Run({"decode", "--rotate", "left", Path("c.h"), "-o", Path("c.png")}).err,
            "decode: --rotate does not apply to decoding\n");
  EXPECT_EQ(Run({"decode", "--size", "13", Path("c.h"), "-o", Path("c.png")}).code, kUsageError);
}

TEST_F(CheckCliTest, GuessWritesOnePictureForEveryLayoutThatFits) {
  ASSERT_EQ(
      Run({"--target", "rgb565", "--swap-bytes", "-o", Path("s.bin"), Path("photo.png")}).code,
      kSuccess);
  const Outcome guess =
      Run({"decode", "--guess", "--size", "13x7", Path("s.bin"), "-o", Path("g.png")});
  ASSERT_EQ(guess.code, kSuccess) << guess.err;
  EXPECT_THAT(guess.out, HasSubstr("rgb565-swap: 13 x 7 -> " + Path("g-rgb565-swap.png") + "\n"));
  EXPECT_THAT(guess.out, HasSubstr("classic-565-byte: 13 x 7 -> "));
  EXPECT_THAT(guess.out, ::testing::Not(HasSubstr("gray8")));
  TBitmap32 image;
  image.AssignOpaque(13, 7, Colors(false));
  EXPECT_EQ(ReadPng("g-rgb565-swap.png"),
            ExpectedTargetPicture(image, {.target = TargetKind::Rgb565}));

  Save("odd.bin", BytesOf("abc"));
  const Outcome none = Run({"decode", "--guess", Path("odd.bin"), "-o", Path("n.png")});
  EXPECT_EQ(none.code, kInputError);
  EXPECT_THAT(none.err, HasSubstr("no layout fits the data"));
}

TEST_F(CheckCliTest, CompareListsEncodingsSmallestFirst) {
  const Outcome compare = Run({"--compare", "--resize", "20x9", Path("photo.png")});
  ASSERT_EQ(compare.code, kSuccess) << compare.err;
  std::istringstream lines(compare.out);
  std::string line;
  std::getline(lines, line);
  EXPECT_THAT(line, HasSubstr("bytes"));
  unsigned long long previous = 0;
  int rows = 0;
  while (std::getline(lines, line)) {
    const unsigned long long bytes = std::stoull(line);
    EXPECT_LE(previous, bytes) << line;
    previous = bytes;
    ++rows;
  }
  EXPECT_EQ(rows, 39);
  EXPECT_THAT(compare.out, HasSubstr("--reduce 2 --pixels-per-byte auto --compress\n"));
  EXPECT_EQ(Run({"--compare", "-o", Path("x.h"), Path("photo.png")}).code, kUsageError);
}

TEST_F(CheckCliTest, HelpDocumentsTheChecksAndExitStatusFive) {
  const std::string help = Run({"--help"}).out;
  for (const char* text :
       {"--verify", "--preview FILE.png", "--preview-scale N", "--compare",
        "pixmora-cli decode [OPTIONS] ARRAY-FILE -o PICTURE.png", "--guess", "--size WxH",
        "--table-colors N", "--reduce 256|128|64|32|16|8|4|2", "  5  verification failed"}) {
    EXPECT_THAT(help, HasSubstr(text));
  }
}

}  // namespace
}  // namespace pixmora::cli

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "cli/HelpText.h"
#include "cli/RunCli.h"
#include "image/BmpWriter.h"
#include "image/ReadImageFile.h"
#include "platform/AtomicFile.h"
#include "tests/cli/CliFixture.h"
#include "tests/image/TestImages.h"

namespace pixmora::cli {
namespace {

namespace fs = std::filesystem;
using pixmora::testing::Bytes;

class CliTest : public CliFixture {
 protected:
  void SetUp() override {
    CliFixture::SetUp();
    // Red, blue: 5-6-5 words F800 and 001F.
    Save("rgb.png", pixmora::testing::MakeRgbPng(2, 1, {0xFF0000, 0x0000FF}, false));
    Save("pal.bmp", pixmora::testing::MakeIndexedBmp(8, 2, 1, {0xFF0000, 0x0000FF}, {0, 1}));
    Save("anim.gif", pixmora::testing::MakeAnimatedGif(3, 2, 2));
    Save("broken.png", Bytes{0x89, 'P', 'N', 'G', 0, 0});
    Save("two-colors.gif",
         pixmora::testing::MakeGif({.screenWidth = 2,
                                    .screenHeight = 1,
                                    .palette = {0xFF0000, 0x0000FF},
                                    .frames = {{.width = 2, .height = 1, .indices = {0, 1}}}}));
  }
};

TEST_F(CliTest, HelpDocumentsEveryOptionAndVersionNamesTheProgram) {
  const Outcome help = Run({"--help"});
  EXPECT_EQ(help.code, kSuccess);
  EXPECT_EQ(help.out.rfind("Usage: pixmora-cli [OPTIONS] IMAGE\n", 0), 0u);
  for (const char* option : {"-o, --output",   "--table-output",    "--save-image",
                             "--describe",     "--stats",           "--eol",
                             "--settings",     "--save-settings",   "--mode",
                             "--colors",       "--orientation",     "--pixels-per-byte",
                             "--table ",       "--table-placement", "--format",
                             "--repr",         "--lsb-first",       "--no-lsb-first",
                             "--compress",     "--no-compress",     "--info",
                             "--no-info",      "--caption",         "--row-directive",
                             "--open-brace",   "--close-brace",     "--hex-notation",
                             "--end-notation", "--comma-symbol",    "--comment-start",
                             "--comment-end",  "--per-line",        "--name",
                             "--frame",        "--rotate",          "--flip",
                             "--crop",         "--resize",          "--filter",
                             "--threshold",    "--reduce",          "--help",
                             "--frames all",   "--frames-grid",     "--frames-files",
                             "--frame-delta",  "--version"}) {
    EXPECT_NE(help.out.find(option), std::string::npos) << option;
  }
  const Outcome version = Run({"--version"});
  EXPECT_EQ(version.code, kSuccess);
  EXPECT_EQ(version.out, "pixmora-cli 4.0\n");
}

TEST_F(CliTest, UsageErrorsNameTheOptionAndWhatItAccepts) {
  const std::string rgb = Path("rgb.png");
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
      {{"--colors", "100", rgb}, "--colors: expected 65536, 4096 or 256, got '100'"},
      {{"--bogus", rgb}, "unknown option '--bogus' (see --help)"},
      {{rgb, "--output"}, "--output: expects a value (see --help)"},
      {{"--per-line", "0", rgb}, "--per-line: expected a number from 1 to 255, got '0'"},
      {{"--eol=cr", rgb}, "--eol: expected crlf or lf, got 'cr'"},
      {{"--stats=1", rgb}, "--stats: takes no value"},
      {{}, "expected an IMAGE file (see --help)"},
      {{rgb, rgb}, "expected one IMAGE file, got '" + rgb + "' as well"},
      {{"--mode", "palette", rgb}, "--mode palette: " + rgb + " has no palette"},
      {{"--frame", "3", Path("anim.gif")}, "--frame: expected a frame from 0 to 2 of "},
      {{"--frame", "1", rgb}, "--frame: expected a frame from 0 to 0 of "},
      {{"--crop", "0,0,5,1", rgb},
       "--crop: The crop selection reaches outside the image of 2 x 1 pixels."},
      {{"--rotate", "right", "--crop", "0,1,1,1", rgb}, "--crop: The crop selection is empty"},
      {{"--rotate", "up", rgb}, "--rotate: expected right or left, got 'up'"},
      {{"--crop", "1,2,3", rgb}, "--crop: expected L,T,R,B"},
      {{"--resize", "0x5", rgb}, "--resize: expected WxH"},
      {{"--threshold", "16777216", rgb}, "--threshold: expected a number from 0 to 16777215"},
      {{"--reduce", "3", rgb}, "--reduce: expected 256, 128, 64, 32, 16, 8, 4 or 2, got '3'"},
      {{"--name", "a/b", rgb}, "--name: expected a name without '/'"},
      {{"--table-placement", "separate", Path("pal.bmp")},
       "--table-placement separate: expected --table-output FILE"},
  };
  for (const auto& [arguments, message] : cases) {
    const Outcome outcome = Run(arguments);
    EXPECT_EQ(outcome.code, kUsageError) << message;
    EXPECT_EQ(outcome.err.rfind(message, 0), 0u) << outcome.err;
    EXPECT_EQ(std::count(outcome.err.begin(), outcome.err.end(), '\n'), 1) << outcome.err;
    EXPECT_EQ(outcome.out, "") << message;
  }
}

TEST_F(CliTest, InputErrorsNameTheFile) {
  for (const std::string& file : {Path("missing.png"), Path("broken.png")}) {
    const Outcome outcome = Run({file});
    EXPECT_EQ(outcome.code, kInputError) << file;
    EXPECT_NE(outcome.err.find(file), std::string::npos) << outcome.err;
    EXPECT_EQ(outcome.out, "");
  }
  const Outcome settings = Run({"--settings", Path("none.ini"), Path("rgb.png")});
  EXPECT_EQ(settings.code, kInputError);
  EXPECT_EQ(settings.err, Path("none.ini") + ": No such file or directory\n");
}

TEST_F(CliTest, RefusedConversionShowsTheDesktopMessage) {
  // A linear resize blends the two colors into ones the palette lacks.
  const Outcome outcome = Run({"--resize", "5x1", Path("two-colors.gif")});
  EXPECT_EQ(outcome.code, kConversionRefused);
  EXPECT_EQ(outcome.err, "Palette Error: Can't find a pixel palette entry\n");
  EXPECT_EQ(outcome.out, "");
}

TEST_F(CliTest, UnwritableOutputLeavesNoFileBehind) {
  const std::string missing = Path("gone/out.h");
  const Outcome outcome = Run({"--save-image", Path("saved.bmp"), "--save-settings",
                               Path("saved.ini"), "-o", missing, Path("rgb.png")});
  EXPECT_EQ(outcome.code, kOutputError);
  EXPECT_EQ(outcome.err, missing + ": No such file or directory\n");
  EXPECT_FALSE(fs::exists(Path("saved.bmp")));
  EXPECT_FALSE(fs::exists(Path("saved.ini")));
  EXPECT_EQ(FileCount(), 5u);  // the five fixtures, no temporary file
}

TEST_F(CliTest, TextGoesToStandardOutputWithTheChosenLineEnds) {
  const Outcome crlf = Run({Path("rgb.png")});
  ASSERT_EQ(crlf.code, kSuccess) << crlf.err;
  EXPECT_EQ(crlf.err, "");
  EXPECT_NE(crlf.out.find("const unsigned char rgb[10] PROGMEM = {\r\n"), std::string::npos)
      << crlf.out;
  EXPECT_NE(crlf.out.find("0xF8, 0x00, 0x00, 0x1F"), std::string::npos) << crlf.out;

  ASSERT_EQ(Run({"-o", Path("out.h"), Path("rgb.png")}).code, kSuccess);
  EXPECT_EQ(Read(Path("out.h")), crlf.out);

  const Outcome lf = Run({"--eol", "lf", "--name", "logo", Path("rgb.png")});
  ASSERT_EQ(lf.code, kSuccess);
  EXPECT_EQ(lf.out.find('\r'), std::string::npos);
  std::string expected = crlf.out;
  for (std::size_t at; (at = expected.find("\r\n")) != std::string::npos;)
    expected.erase(at, 1);
  for (std::size_t at; (at = expected.find(" rgb[")) != std::string::npos;) {
    expected.replace(at, 5, " logo[");
  }
  EXPECT_EQ(lf.out, expected);
}

TEST_F(CliTest, BinaryOutputAndPaletteTableFile) {
  ASSERT_EQ(Run({"-o", Path("out.Bin"), Path("rgb.png")}).code, kSuccess);
  EXPECT_EQ(BytesOf(Read(Path("out.Bin"))),
            (Bytes{0x00, 0x02, 0x00, 0x01, 0x00, 0x01, 0xF8, 0x00, 0x00, 0x1F}));

  const Outcome outcome = Run({"--table-placement", "separate", "--table-output", Path("table.bin"),
                               "--no-info", "-o", Path("pal.bin"), Path("pal.bmp")});
  ASSERT_EQ(outcome.code, kSuccess) << outcome.err;
  EXPECT_EQ(BytesOf(Read(Path("pal.bin"))), (Bytes{0x00, 0x01}));
  EXPECT_EQ(BytesOf(Read(Path("table.bin"))), (Bytes{0xF8, 0x00, 0x00, 0x1F}));
}

TEST_F(CliTest, MonochromeModeThresholdsAtTheMiddlePosition) {
  // Red is 255 and blue 16711680 as red + 256 green + 65536 blue: black and white at 8388607.
  // Unthresholded, red would not count as black.
  ASSERT_EQ(Run({"--mode", "monochrome", "--no-info", "-o", Path("m.bin"), Path("rgb.png")}).code,
            kSuccess);
  EXPECT_EQ(BytesOf(Read(Path("m.bin"))), (Bytes{0x80, 0x00}));
}

TEST_F(CliTest, DescribeAndSaveImageAloneConvertNothing) {
  const Outcome outcome = Run({"--describe", "--save-image", Path("copy.bmp"), Path("rgb.png")});
  ASSERT_EQ(outcome.code, kSuccess) << outcome.err;
  const std::string size = std::to_string(fs::file_size(Path("rgb.png")));
  EXPECT_EQ(outcome.out, "Name: rgb.png\nSize: " + size +
                             " bytes\nDimensions: 2 x 1\nAnimations: 0 from 0\nColors: 16M\n"
                             "Convert mode: Color\n");
  EXPECT_EQ(outcome.err, "");
  const std::string bmp = Read(Path("copy.bmp"));
  ASSERT_EQ(bmp.size(), 54u + 8u);
  EXPECT_EQ(bmp.substr(0, 2), "BM");

  const Outcome gif = Run({"--describe", "--frame", "2", "--mode", "monochrome", Path("anim.gif")});
  ASSERT_EQ(gif.code, kSuccess) << gif.err;
  EXPECT_NE(gif.out.find("\nAnimations: 3 from 3\nColors: 4\nConvert mode: Monochrome\n"),
            std::string::npos)
      << gif.out;
}

TEST_F(CliTest, StatisticsGoToStandardErrorAsTheLabelsRead) {
  const Outcome plain = Run({"--stats", "-o", Path("s.h"), Path("rgb.png")});
  ASSERT_EQ(plain.code, kSuccess);
  EXPECT_EQ(plain.err, "Output data size: 10 bytes\nColor table size:\nCompression ratio:\n");

  const Outcome palette =
      Run({"--stats", "--compress", "--table", "byte", "--describe", Path("pal.bmp")});
  ASSERT_EQ(palette.code, kSuccess);
  EXPECT_EQ(palette.err.substr(palette.err.find('\n') + 1),
            "Color table size: 4 bytes\nCompression ratio: 0%\n");
  EXPECT_EQ(palette.out.find("const"), std::string::npos);  // --describe keeps the text off
}

TEST_F(CliTest, EditsRunInCommandLineOrderOnTheCurrentImage) {
  // rgb.png is red, blue; the binary export is W, H, the color mode word, then 5-6-5 words.
  const auto exported = [this](std::vector<std::string> edits) {
    edits.insert(edits.end(), {"-o", Path("out.bin"), Path("rgb.png")});
    const Outcome outcome = Run(edits);
    EXPECT_EQ(outcome.code, kSuccess) << outcome.err;
    return BytesOf(Read(Path("out.bin")));
  };
  EXPECT_EQ(exported({"--rotate", "right"}),
            (Bytes{0x00, 0x01, 0x00, 0x02, 0x00, 0x01, 0xF8, 0x00, 0x00, 0x1F}));
  EXPECT_EQ(exported({"--rotate", "left"}),
            (Bytes{0x00, 0x01, 0x00, 0x02, 0x00, 0x01, 0x00, 0x1F, 0xF8, 0x00}));
  EXPECT_EQ(exported({"--flip", "horizontal", "--flip", "vertical"}),
            (Bytes{0x00, 0x02, 0x00, 0x01, 0x00, 0x01, 0x00, 0x1F, 0xF8, 0x00}));
  EXPECT_EQ(
      exported({"--resize", "4x1", "--filter", "box"}),
      (Bytes{0x00, 0x04, 0x00, 0x01, 0x00, 0x01, 0xF8, 0x00, 0xF8, 0x00, 0x00, 0x1F, 0x00, 0x1F}));
  // The crop takes the rotated image's coordinates, and the other way round.
  EXPECT_EQ(exported({"--rotate", "right", "--crop", "0,1,1,2"}),
            (Bytes{0x00, 0x01, 0x00, 0x01, 0x00, 0x01, 0x00, 0x1F}));
  EXPECT_EQ(exported({"--crop", "0,0,1,1", "--rotate", "right"}),
            (Bytes{0x00, 0x01, 0x00, 0x01, 0x00, 0x01, 0xF8, 0x00}));
}

TEST_F(CliTest, LinearResizeIsTheDefaultFilter) {
  const Outcome outcome =
      Run({"--resize", "4x1", "--save-image", Path("wide.bmp"), Path("rgb.png")});
  ASSERT_EQ(outcome.code, kSuccess) << outcome.err;
  const ImageFileRead read = ReadImageFile(Path("wide.bmp"));
  ASSERT_TRUE(read.ok) << read.error;
  // Weights 192 and 64 between the two pixels: 192 * 255 / 256 = 191.25, 64 * 255 / 256 = 63.75.
  EXPECT_EQ(read.staging.pixels,
            (std::vector<std::uint32_t>{0xFFFF0000, 0xFFBF003F, 0xFF3F00BF, 0xFF0000FF}));
}

TEST_F(CliTest, ThresholdMakesTheImageBlackAndWhite) {
  // Red is 255, blue 16711680 as a 24-bit number.
  const auto thresholded = [this](std::vector<std::string> options) {
    options.insert(options.end(), {"--describe", "--save-image", Path("bw.bmp"), Path("rgb.png")});
    const Outcome outcome = Run(options);
    EXPECT_EQ(outcome.code, kSuccess) << outcome.err;
    EXPECT_NE(outcome.out.find("Convert mode: Monochrome\n"), std::string::npos) << outcome.out;
    const ImageFileRead read = ReadImageFile(Path("bw.bmp"));
    EXPECT_TRUE(read.ok) << read.error;
    std::vector<std::uint32_t> colors;
    for (const std::uint32_t p : read.staging.pixels)
      colors.push_back(p & 0xFFFFFF);
    return colors;
  };
  EXPECT_EQ(thresholded({"--threshold", "255"}), (std::vector<std::uint32_t>{0, 0xFFFFFF}));
  EXPECT_EQ(thresholded({"--threshold", "254"}), (std::vector<std::uint32_t>{0xFFFFFF, 0xFFFFFF}));
  EXPECT_EQ(thresholded({"--threshold", "16777215"}), (std::vector<std::uint32_t>{0, 0}));
  // Monochrome without --threshold: the default position 8388607 after all edits.
  EXPECT_EQ(thresholded({"--mode", "monochrome", "--flip", "horizontal"}),
            (std::vector<std::uint32_t>{0xFFFFFF, 0}));
  // A later threshold works on the image as it is then, not on the colors before the first.
  EXPECT_EQ(thresholded({"--threshold", "16777215", "--threshold", "0"}),
            (std::vector<std::uint32_t>{0, 0}));
}

TEST_F(CliTest, ReducedPhotoConvertsWithItsOwnPalette) {
  std::vector<std::uint32_t> pixels;
  for (int y = 0; y < 24; ++y) {
    for (int x = 0; x < 40; ++x)
      pixels.push_back((x * 6) << 16 | (y * 10) << 8 | (x + y) * 3);
  }
  Save("photo.jpg", pixmora::testing::MakeJpeg({.width = 40, .height = 24, .pixels = pixels}));

  const Outcome describe = Run({"--reduce", "16", "--describe", Path("photo.jpg")});
  ASSERT_EQ(describe.code, kSuccess) << describe.err;
  EXPECT_NE(describe.out.find("\nColors: 16M\nConvert mode: Palette\n"), std::string::npos)
      << describe.out;

  const Outcome outcome = Run({Path("photo.jpg"), "--reduce", "16", "--pixels-per-byte", "auto",
                               "--compress", "-o", Path("logo.h")});
  ASSERT_EQ(outcome.code, kSuccess) << outcome.err;
  const std::string text = Read(Path("logo.h"));
  EXPECT_NE(text.find("Table_photo[16] PROGMEM"), std::string::npos) << text;

  // A linear resize after the reduction blends new colors; the reduction runs again on the
  // resized image instead of failing on a pixel outside the palette.
  const Outcome resized =
      Run({Path("photo.jpg"), "--reduce", "16", "--resize", "17x9", "-o", Path("resized.h")});
  ASSERT_EQ(resized.code, kSuccess) << resized.err;
  EXPECT_NE(Read(Path("resized.h")).find("Table_photo[16] PROGMEM"), std::string::npos);

  // Palette mode after --reduce, Color mode when --mode says so.
  EXPECT_EQ(Run({"--reduce", "8", "--mode", "color", "-o", Path("c.h"), Path("photo.jpg")}).code,
            kSuccess);
  EXPECT_EQ(Read(Path("c.h")).find("Table_"), std::string::npos);
}

TEST_F(CliTest, SavedSettingsReadBackToTheSameOutput) {
  const std::vector<std::string> options{
      "--format",    "custom",        "--repr",    "word",
      "--lsb-first", "--compress",    "--no-info", "--comma-symbol",
      ", ",          "--comment-end", "",          "--hex-notation",
      "$",           "--per-line",    "3"};
  std::vector<std::string> direct = options;
  direct.push_back(Path("rgb.png"));
  const Outcome expected = Run(direct);
  ASSERT_EQ(expected.code, kSuccess) << expected.err;

  std::vector<std::string> save = options;
  save.insert(save.end(), {"--save-settings", Path("saved.ini"), "--describe", Path("rgb.png")});
  ASSERT_EQ(Run(save).code, kSuccess);
  const std::string ini = Read(Path("saved.ini"));
  EXPECT_NE(ini.find("[Preferences]\r\nColor256=0\r\n"), std::string::npos) << ini;
  EXPECT_NE(ini.find("Custom=1\r\nByte=0\r\nWord=1\r\nLSBFirst=1\r\nCompression=1\r\n"
                     "IncludeInfo=0\r\n"),
            std::string::npos)
      << ini;
  EXPECT_NE(ini.find("[Custom]\r\nBytesPerLine=3\r\nHexNotation=$\r\n"), std::string::npos);
  EXPECT_NE(ini.find("CommaSymbol=\", \"\r\n"), std::string::npos);

  const Outcome again = Run({"--settings", Path("saved.ini"), Path("rgb.png")});
  ASSERT_EQ(again.code, kSuccess) << again.err;
  EXPECT_EQ(again.out, expected.out);
  // Options still win over the file.
  const Outcome overridden =
      Run({"--settings", Path("saved.ini"), "--format", "c", Path("rgb.png")});
  EXPECT_NE(overridden.out.find("const unsigned int rgb["), std::string::npos) << overridden.out;
}

TEST_F(CliTest, TheProgramReportsThroughItsExitStatus) {
  const std::string command =
      std::string(PIXMORA_CLI_PATH) + " --colors 7 " + Path("rgb.png") + " 2>" + Path("err.txt");
  const int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), kUsageError);
  EXPECT_EQ(Read(Path("err.txt")), "--colors: expected 65536, 4096 or 256, got '7'\n");

  const std::string convert = std::string(PIXMORA_CLI_PATH) + " " + Path("rgb.png") + " >" +
                              Path("out.txt") + " 2>" + Path("err.txt");
  EXPECT_EQ(std::system(convert.c_str()), 0);
  EXPECT_EQ(Read(Path("out.txt")), Run({Path("rgb.png")}).out);
  EXPECT_EQ(Read(Path("err.txt")), "");  // no progress bar when standard error is no terminal
}

}  // namespace
}  // namespace pixmora::cli

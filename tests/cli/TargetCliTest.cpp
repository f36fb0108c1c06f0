#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cli/HelpText.h"
#include "targets/TargetSettings.h"
#include "tests/cli/CliFixture.h"

namespace pixmora::cli {
namespace {

using pixmora::testing::Bytes;
using ::testing::HasSubstr;
using ::testing::Not;

class TargetCliTest : public CliFixture {
 protected:
  void SetUp() override {
    CliFixture::SetUp();
    // Red, blue: 5-6-5 F800 and 001F, luma 76 and 29 (both dark).
    Save("rgb.png", pixmora::testing::MakeRgbPng(2, 1, {0xFF0000, 0x0000FF}, false));
    // Transparent, opaque black, half-covered white.
    Save("clear.png",
         pixmora::testing::MakeRgbPng(3, 1, {0x00000000, 0xFF000000, 0x80FFFFFF}, true));
    std::vector<std::uint32_t> many;
    for (std::uint32_t i = 0; i < 64; ++i)
      many.push_back(i * 0x030507);
    Save("many.png", pixmora::testing::MakeRgbPng(8, 8, many, false));
  }
};

TEST_F(TargetCliTest, HelpListsTheTargetsAndEveryTargetOption) {
  const std::string help = Run({"--help"}).out;
  for (const TargetSettingInfo& info : TargetSettingTable()) {
    EXPECT_THAT(help, HasSubstr(info.option));
    if (info.opposite) {
      EXPECT_THAT(help, HasSubstr(info.opposite));
    }
  }
  for (const TargetInfo& target : kTargets)
    EXPECT_THAT(help, HasSubstr(std::string("  ") + target.name + " "));
  for (const LvglFormatInfo& format : kLvglFormats)
    EXPECT_THAT(help, HasSubstr(format.name));
}

TEST_F(TargetCliTest, AHeaderGoesToStandardOutputWithLineFeeds) {
  const Outcome outcome = Run({"--target", "gfx-bitmap", Path("rgb.png")});
  ASSERT_EQ(outcome.code, kSuccess) << outcome.err;
  EXPECT_EQ(outcome.out.find('\r'), std::string::npos);
  EXPECT_THAT(outcome.out, HasSubstr("#define RGB_WIDTH 2\n"));
  EXPECT_THAT(outcome.out,
              HasSubstr("static const uint8_t rgb[] PROGMEM RGB_ATTRIBUTE = {\n  0xC0,\n"));
  EXPECT_THAT(outcome.out,
              HasSubstr(" * Made by pixmora-cli 4.0: pixmora-cli --target gfx-bitmap " +
                        Path("rgb.png") + "\n"));
  EXPECT_EQ(outcome.err, "");
}

TEST_F(TargetCliTest, TransparencyIsBlendedOverTheTargetsBackground) {
  // Over white the transparent pixel and the half-covered white one are light: only the black
  // pixel is dark. The classic output sees them over black.
  const Outcome bits = Run({"--target", "xbm", "-o", Path("clear.bin"), Path("clear.png")});
  ASSERT_EQ(bits.code, kSuccess) << bits.err;
  EXPECT_EQ(BytesOf(Read(Path("clear.bin"))), (Bytes{0x02}));
  ASSERT_EQ(
      Run({"--target", "rgb565", "--background", "0000FF", "-o", Path("c.bin"), Path("clear.png")})
          .code,
      kSuccess);
  EXPECT_EQ(BytesOf(Read(Path("c.bin"))), (Bytes{0x1F, 0x00, 0x00, 0x00, 0x1F, 0x84}));
}

TEST_F(TargetCliTest, CodeCWritesAPairNamedByOutput) {
  for (const char* output : {"pair.c", "pair.h", "pair"}) {
    const Outcome outcome =
        Run({"--target", "rgb565", "--code", "c", "-o", Path(output), Path("rgb.png")});
    ASSERT_EQ(outcome.code, kSuccess) << outcome.err;
    EXPECT_THAT(Read(Path("pair.c")), HasSubstr("#include \"pair.h\"\n"));
    EXPECT_THAT(Read(Path("pair.h")),
                HasSubstr("extern const uint16_t rgb[RGB_WIDTH * RGB_HEIGHT]"));
    std::filesystem::remove(Path("pair.c"));
    std::filesystem::remove(Path("pair.h"));
  }
  ASSERT_EQ(Run({"--target", "lvgl9", "--cf", "I1", "-o", Path("icon.c"), Path("rgb.png")}).code,
            kSuccess);
  EXPECT_THAT(Read(Path("icon.h")), HasSubstr("LV_IMAGE_DECLARE(rgb);"));
  EXPECT_THAT(Read(Path("icon.c")), HasSubstr(".header.cf = LV_COLOR_FORMAT_I1,"));
}

TEST_F(TargetCliTest, BinaryOutputHasTheRawBytesOfEveryTarget) {
  const auto bin = [this](std::vector<std::string> options) {
    options.insert(options.end(), {"-o", Path("out.bin"), Path("rgb.png")});
    const Outcome outcome = Run(options);
    EXPECT_EQ(outcome.code, kSuccess) << outcome.err;
    return BytesOf(Read(Path("out.bin")));
  };
  EXPECT_EQ(bin({"--target", "rgb565"}), (Bytes{0x00, 0xF8, 0x1F, 0x00}));
  EXPECT_EQ(bin({"--target", "rgb565", "--swap-bytes"}), (Bytes{0xF8, 0x00, 0x00, 0x1F}));
  EXPECT_EQ(bin({"--target", "rgb332"}), (Bytes{0xE0, 0x03}));
  // The two colors in the order they appear, then the rest of the 16 map entries.
  Bytes indexed{0x01, 0x00, 0xF8, 0x1F, 0x00};
  indexed.resize(1 + 2 * 16, 0);
  EXPECT_EQ(bin({"--target", "index4"}), indexed);
  EXPECT_EQ(bin({"--target", "lvgl9", "--cf", "L8"}),
            (Bytes{0x19, 0x06, 0, 0, 2, 0, 1, 0, 2, 0, 0, 0, 76, 29}));
}

TEST_F(TargetCliTest, ChoicesThatMakeNoSenseAreUsageErrors) {
  const std::string rgb = Path("rgb.png");
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
      {{"--target", "gfx-bitmap", "--mask", rgb},
       "--mask: applies to --target rgb565 and gray8 (the data of the masked draw calls), not "
       "gfx-bitmap"},
      {{"--swap-bytes", rgb}, "--swap-bytes: applies to the targets (--target), not classic"},
      {{"--target", "rgb565", "--colors", "256", rgb},
       "--colors: applies to --target classic, not rgb565"},
      {{"--target", "pages", "--eol", "lf", rgb}, "--eol: applies to --target classic, not pages"},
      {{"--target", "bmp", rgb}, "--target: expected classic, gfx-bitmap, xbm, pages"},
      {{"--target", "gray4", "--dither", "random", rgb},
       "--dither: expected none, ordered or floyd-steinberg, got 'random'"},
      {{"--target", "gray8", "--dither", "ordered", rgb}, "--dither: gray8 loses no color depth"},
      {{"--target", "pages", "--progmem", rgb},
       "--progmem: pages is read from RAM, never from PROGMEM"},
      {{"--target", "lvgl9", rgb},
       "--target lvgl9: writes a .c and a .h file; name them with -o FILE.c"},
      {{"--target", "xbm", "--code", "c", "-o", Path("x.inc"), rgb},
       "--code c: -o names the .c and .h pair as FILE.c, FILE.h or FILE, got '"},
      {{"--target", "xbm", "--luma-threshold", "300", rgb},
       "--luma-threshold: expected a number from 0 to 256, got '300'"},
  };
  for (const auto& [arguments, message] : cases) {
    const Outcome outcome = Run(arguments);
    EXPECT_EQ(outcome.code, kUsageError) << message;
    EXPECT_EQ(outcome.err.rfind(message, 0), 0u) << outcome.err;
    EXPECT_EQ(outcome.out, "");
  }
  EXPECT_EQ(FileCount(), 3u);
}

TEST_F(TargetCliTest, AnIndexTargetRefusesTooManyColorsAndTakesAReduction) {
  const Outcome refused = Run({"--target", "index4", Path("many.png")});
  EXPECT_EQ(refused.code, kConversionRefused);
  EXPECT_EQ(refused.err, "index4 needs at most 16 colors; reduce colors first (--reduce 16)\n");
  // A resize after the reduction brings new colors: the reduction runs again, as for the
  // classic Palette mode.
  const Outcome reduced =
      Run({"--reduce", "16", "--resize", "5x5", "--target", "index4", Path("many.png")});
  EXPECT_EQ(reduced.code, kSuccess) << reduced.err;
  EXPECT_THAT(reduced.out, HasSubstr("16 native 5-6-5 colors"));
}

TEST_F(TargetCliTest, TheClassicThresholdPassesThroughAndNoDefaultThresholdRuns) {
  // Classic threshold: red (255) is black, blue (16711680) white; the 1-bit target keeps that.
  ASSERT_EQ(Run({"--threshold", "8388607", "--target", "gfx-bitmap", "-o", Path("t.bin"),
                 Path("rgb.png")})
                .code,
            kSuccess);
  EXPECT_EQ(BytesOf(Read(Path("t.bin"))), (Bytes{0x80}));
  // Without it both pixels are dark by their luma.
  ASSERT_EQ(Run({"--target", "gfx-bitmap", "--mode", "monochrome", Path("rgb.png")}).code,
            kUsageError);
  ASSERT_EQ(Run({"--target", "pages", "-o", Path("p.bin"), Path("rgb.png")}).code, kSuccess);
  EXPECT_EQ(BytesOf(Read(Path("p.bin"))), (Bytes{0x01, 0x01}));
}

TEST_F(TargetCliTest, TheTargetSectionTravelsThroughTheSettingsFile) {
  const std::vector<std::string> options{"--target", "rgb565",    "--swap-bytes", "--dither",
                                         "ordered",  "--section", ".ext"};
  std::vector<std::string> direct = options;
  direct.push_back(Path("rgb.png"));
  const Outcome expected = Run(direct);
  ASSERT_EQ(expected.code, kSuccess) << expected.err;

  std::vector<std::string> save = options;
  save.insert(save.end(), {"--save-settings", Path("saved.ini"), "--describe", Path("rgb.png")});
  ASSERT_EQ(Run(save).code, kSuccess);
  const std::string ini = Read(Path("saved.ini"));
  EXPECT_THAT(ini, HasSubstr("[Target]\r\nTarget=rgb565\r\n"));
  EXPECT_THAT(ini, HasSubstr("SwapBytes=1\r\n"));

  const Outcome again = Run({"--settings", Path("saved.ini"), Path("rgb.png")});
  ASSERT_EQ(again.code, kSuccess) << again.err;
  // The same text, but for the command line in the comment.
  EXPECT_EQ(again.out.substr(again.out.find("*/")), expected.out.substr(expected.out.find("*/")));
  // Options still win; a flag's opposite option sets it back.
  const Outcome native = Run(
      {"--settings", Path("saved.ini"), "--no-swap-bytes", "-o", Path("n.bin"), Path("rgb.png")});
  ASSERT_EQ(native.code, kSuccess) << native.err;
  EXPECT_EQ(BytesOf(Read(Path("n.bin"))), (Bytes{0x00, 0xF8, 0x1F, 0x00}));
  const Outcome classic =
      Run({"--settings", Path("saved.ini"), "--target", "classic", Path("rgb.png")});
  EXPECT_THAT(classic.out, HasSubstr("const unsigned char rgb[10] PROGMEM"));

  Save("bad.ini", BytesOf("[Target]\r\nTarget=rgb565\r\nAlign=3\r\n"));
  const Outcome bad = Run({"--settings", Path("bad.ini"), Path("rgb.png")});
  EXPECT_EQ(bad.code, kInputError);
  EXPECT_EQ(
      bad.err,
      Path("bad.ini") + ": [Target] Align: expected 1, 2, 4, 8, 16, 32, 64, 128 or 256, got '3'\n");
}

TEST_F(TargetCliTest, NamesAreMadeIdentifiersAndStatisticsCountTheData) {
  const Outcome named =
      Run({"--target", "pages", "--name", "8x8-logo", "--stats", Path("rgb.png")});
  ASSERT_EQ(named.code, kSuccess) << named.err;
  EXPECT_THAT(named.out, HasSubstr("static const uint8_t _8x8_logo[] _8X8_LOGO_ATTRIBUTE = {"));
  EXPECT_THAT(named.out, HasSubstr("#define _8X8_LOGO_PAGES 1\n"));
  EXPECT_THAT(named.out, Not(HasSubstr("PROGMEM")));
  EXPECT_EQ(named.err, "Output data size: 2 bytes\nColor table size:\nCompression ratio:\n");
}

}  // namespace
}  // namespace pixmora::cli

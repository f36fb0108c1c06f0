#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/cli/CliFixture.h"
#include "tests/image/TestImages.h"

namespace pixmora::cli {
namespace {

using pixmora::testing::Bytes;

// Wider than one band and an odd number of pixels per band, so bytes, nibbles, bits, packed
// indices and words all cross band ends; the last band and the last page are partial.
constexpr int kWidth = 301;
constexpr int kHeight = 450;

std::vector<std::uint32_t> Photo() {
  std::vector<std::uint32_t> pixels;
  std::uint32_t seed = 7;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      seed = seed * 1664525u + 1013904223u;
      // Flat stretches give compression runs, longer than 255 in some rows.
      const std::uint32_t noise = y % 3 == 0 ? 0 : seed >> 29;
      pixels.push_back((x * 255 / kWidth + noise) << 16 | (y * 255 / kHeight) << 8 |
                       ((x / 40 + y / 40) % 2 ? 200 : 30));
    }
  }
  return pixels;
}

class StreamedOutputTest : public CliFixture {
 protected:
  void SetUp() override {
    CliFixture::SetUp();
    Save("photo.png", pixmora::testing::MakeRgbPng(kWidth, kHeight, Photo(), false));
  }

  // The written files of a run: --stats keeps the run on the engine's whole-picture path, which
  // the streamed output must match byte for byte.
  std::string Written(std::vector<std::string> options, const std::string& output, bool streamed) {
    const std::string main = Path((streamed ? "s-" : "e-") + output);
    const std::string table = main + ".table";
    if (!streamed)
      options.push_back("--stats");
    const bool separate = std::find(options.begin(), options.end(), "separate") != options.end();
    if (separate) {
      options.push_back("--table-output");
      options.push_back(table);
    }
    options.insert(options.end(), {"-o", main, Path("photo.png")});
    const Outcome outcome = Run(options);
    EXPECT_EQ(outcome.code, kSuccess) << outcome.err;
    return Read(main) + (separate ? "|" + Read(table) : "");
  }
};

TEST_F(StreamedOutputTest, EveryLayoutMatchesTheEngineByteForByte) {
  const std::vector<std::vector<std::string>> layouts = {
      {"--colors", "65536"},
      {"--colors", "4096"},
      {"--colors", "256"},
      {"--mode", "monochrome", "--orientation", "vertical"},
      {"--mode", "monochrome", "--orientation", "horizontal"},
      {"--reduce", "16", "--pixels-per-byte", "auto"},
      {"--reduce", "4", "--pixels-per-byte", "auto", "--table-placement", "separate"},
      {"--reduce", "2", "--pixels-per-byte", "auto"},
      {"--reduce", "256", "--repr", "word", "--lsb-first"},
  };
  const std::vector<std::vector<std::string>> codings = {
      {"--repr", "byte"},
      {"--repr", "word"},
      {"--repr", "word", "--lsb-first", "--compress"},
      {"--compress", "--no-info"},
      {"--format", "basic", "--eol", "lf"},
  };
  for (const auto& layout : layouts) {
    for (const auto& coding : codings) {
      std::vector<std::string> options = layout;
      options.insert(options.end(), coding.begin(), coding.end());
      std::string shown;
      for (const std::string& option : options)
        shown += option + " ";
      for (const std::string output : {"out.h", "out.bin"}) {
        EXPECT_EQ(Written(options, output, true), Written(options, output, false))
            << shown << output;
      }
    }
  }
}

TEST_F(StreamedOutputTest, PicturesConvertedWhileTheyDecodeMatchTheEngine) {
  // Rows through libpng one at a time, or all at once when interlaced; gamma, and transparency
  // blended over black as it comes.
  const std::vector<std::uint32_t> photo = Photo();
  pixmora::testing::Rows rgba;
  for (int y = 0; y < kHeight; ++y) {
    Bytes row;
    for (int x = 0; x < kWidth; ++x) {
      const std::uint32_t p = photo[static_cast<std::size_t>(y) * kWidth + x];
      const auto alpha = static_cast<std::uint8_t>(y < kHeight / 2 ? 255 : (x * 7) & 0xFF);
      row.insert(row.end(), {static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
                             static_cast<std::uint8_t>(p), alpha});
    }
    rgba.push_back(row);
  }
  for (const bool interlaced : {false, true}) {
    Save("photo.png", pixmora::testing::MakePng({.width = kWidth,
                                                 .height = kHeight,
                                                 .colorType = 6,
                                                 .rows = rgba,
                                                 .gamma = 0.5,
                                                 .interlaced = interlaced}));
    for (const std::vector<std::string>& options :
         {std::vector<std::string>{"--colors", "4096"}, {"--mode", "monochrome"}}) {
      EXPECT_EQ(Written(options, "out.h", true), Written(options, "out.h", false)) << interlaced;
    }
  }
}

TEST_F(StreamedOutputTest, ATruncatedPictureFailsAsWhenReadWhole) {
  std::string png = Read(Path("photo.png"));
  png.resize(png.size() * 3 / 5);
  Save("cut.png", BytesOf(png));
  const std::string output = Path("out.h");
  const Outcome whole = Run({"--stats", "-o", output, Path("cut.png")});
  const Outcome streamed = Run({"-o", output, Path("cut.png")});
  EXPECT_EQ(streamed.code, kInputError);
  EXPECT_EQ(streamed.err, whole.err);
  EXPECT_NE(streamed.err.find("truncated"), std::string::npos) << streamed.err;
  EXPECT_FALSE(std::filesystem::exists(output));
  EXPECT_EQ(FileCount(), 2u);
}

TEST_F(StreamedOutputTest, APaletteErrorInTheLastRowLeavesTheOldFile) {
  // Index 1 is half transparent: blended over black, the last pixel has a color the palette
  // lacks, found only after the rows before it were written.
  pixmora::testing::Rows rows(kHeight, Bytes(kWidth, 0));
  rows.back().back() = 1;
  Save("late-error.png", pixmora::testing::MakePng({.width = kWidth,
                                                    .height = kHeight,
                                                    .colorType = 3,
                                                    .rows = rows,
                                                    .palette = {0xFF0000, 0x00FF00},
                                                    .paletteAlpha = {255, 128}}));
  const std::string output = Path("out.h");
  for (const std::vector<std::string>& options : {std::vector<std::string>{},
                                                  {"--compress"},
                                                  {"--repr", "word"},
                                                  {"--pixels-per-byte", "auto"}}) {
    ASSERT_EQ(WriteFileAtomically(output, std::string_view("old")), "");
    const std::size_t files = FileCount();
    std::vector<std::string> arguments = options;
    arguments.insert(arguments.end(), {"-o", output, Path("late-error.png")});
    const Outcome outcome = Run(arguments);
    EXPECT_EQ(outcome.code, kConversionRefused);
    EXPECT_EQ(outcome.err, "Palette Error: Can't find a pixel palette entry\n");
    EXPECT_EQ(Read(output), "old");
    EXPECT_EQ(FileCount(), files);
  }
}

}  // namespace
}  // namespace pixmora::cli

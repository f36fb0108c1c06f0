#include "image/codecs/PngDecoder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <zlib.h>

#include "tests/image/CutFiles.h"
#include "tests/image/TestImages.h"

namespace pixmora {
namespace {

using testing::Bytes;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using testing::PngSpec;

DecodedPicture Decode(const Bytes& file) {
  DecodeResult result = DecodePng(file);
  EXPECT_TRUE(result.ok) << result.error;
  return result.picture;
}

// Writes a new width and height into the IHDR chunk, with its CRC.
Bytes WithHeaderSize(Bytes png, std::uint32_t width, std::uint32_t height) {
  for (int i = 0; i < 4; ++i) {
    png[16 + i] = static_cast<std::uint8_t>(width >> (24 - 8 * i));
    png[20 + i] = static_cast<std::uint8_t>(height >> (24 - 8 * i));
  }
  const uLong crc = crc32(0, png.data() + 12, 17);
  for (int i = 0; i < 4; ++i)
    png[29 + i] = static_cast<std::uint8_t>(crc >> (24 - 8 * i));
  return png;
}

TEST(PngDecoder, OpaqueColorPicturesKeepTheirExactColors) {
  const std::vector<std::uint32_t> pixels = {0x010203, 0xFEFDFC, 0x808080, 0x00FF7F};
  const DecodedPicture picture = Decode(testing::MakeRgbPng(2, 2, pixels, false));
  EXPECT_EQ(picture.width, 2);
  EXPECT_EQ(picture.height, 2);
  EXPECT_THAT(picture.pixels, ElementsAre(0xFF010203, 0xFFFEFDFC, 0xFF808080, 0xFF00FF7F));
  EXPECT_FALSE(picture.hasPalette);
  EXPECT_FALSE(picture.keepsAlpha);

  // 16-bit samples and Adam7 rows give the same picture.
  PngSpec deep{.width = 1, .height = 1, .bitDepth = 16, .rows = {{0xFF, 0xFF, 0x80, 0x00, 0, 0}}};
  EXPECT_THAT(Decode(testing::MakePng(deep)).pixels, ElementsAre(0xFFFF8000));
  std::vector<std::uint32_t> many;
  for (std::uint32_t i = 0; i < 81; ++i)
    many.push_back(i * 0x030201u);
  PngSpec interlaced{.width = 9, .height = 9};
  const Bytes plain = testing::MakeRgbPng(9, 9, many, false);
  const DecodedPicture a = Decode(plain);
  for (int y = 0; y < 9; ++y) {
    Bytes row;
    for (int x = 0; x < 9; ++x) {
      const std::uint32_t c = many[static_cast<std::size_t>(y * 9 + x)];
      row.insert(row.end(), {static_cast<std::uint8_t>(c >> 16), static_cast<std::uint8_t>(c >> 8),
                             static_cast<std::uint8_t>(c)});
    }
    interlaced.rows.push_back(row);
  }
  interlaced.interlaced = true;
  EXPECT_EQ(Decode(testing::MakePng(interlaced)).pixels, a.pixels);
}

TEST(PngDecoder, TransparentPixelsAreBlendedOverBlack) {
  const Bytes png = testing::MakeRgbPng(3, 1, {0x80FF0000, 0x00FFFFFF, 0xFF123456}, true);
  // 255 * 128 / 255 = 128; fully transparent white is black; opaque stays exact.
  EXPECT_THAT(Decode(png).pixels, ElementsAre(0xFF800000, 0xFF000000, 0xFF123456));
  EXPECT_FALSE(Decode(png).hasPalette);
  const DecodeResult overWhite = DecodePng(png, 0xFFFFFF);
  EXPECT_THAT(overWhite.picture.pixels, ElementsAre(0xFFFF7F7F, 0xFFFFFFFF, 0xFF123456));

  // A tRNS entry makes its palette color transparent.
  PngSpec indexed{.width = 2,
                  .height = 1,
                  .colorType = 3,
                  .rows = {{0, 1}},
                  .palette = {0x00FF00, 0x0000FF},
                  .paletteAlpha = {0}};
  EXPECT_THAT(Decode(testing::MakePng(indexed)).pixels, ElementsAre(0xFF000000, 0xFF0000FF));
}

TEST(PngDecoder, IndexedPicturesReportPlte) {
  PngSpec layout{.width = 3,
                 .height = 1,
                 .colorType = 3,
                 .bitDepth = 4,
                 .rows = {{0x42, 0x00}},
                 .palette = {0xFF0000, 0x00FF00, 0x0000FF, 0x102030, 0xFFFFFF}};
  const DecodedPicture picture = Decode(testing::MakePng(layout));
  ASSERT_TRUE(picture.hasPalette);
  EXPECT_THAT(picture.palette, ElementsAre(0x0000FFu, 0x00FF00u, 0xFF0000u, 0x302010u, 0xFFFFFFu));
  EXPECT_THAT(picture.pixels, ElementsAre(0xFFFFFFFF, 0xFF0000FF, 0xFFFF0000));
}

TEST(PngDecoder, GrayPicturesReportARampOfTheirLevels) {
  struct Case {
    int colorType, bitDepth;
    std::size_t levels;
    Bytes row;
    std::uint32_t firstPixel, entry1;
  };
  const Case cases[] = {
      {0, 1, 2, {0x80}, 0xFFFFFFFF, 0xFFFFFF},
      {0, 2, 16, {0x40}, 0xFF555555, 0x111111},  // 2-bit gray: level 1 of 3 is 85
      {0, 4, 16, {0xF0}, 0xFFFFFFFF, 0x111111},
      {0, 8, 256, {0x7B}, 0xFF7B7B7B, 0x010101},
      {0, 16, 256, {0x12, 0x34}, 0xFF121212, 0x010101},
      {4, 8, 256, {0x40, 0xFF}, 0xFF404040, 0x010101},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bitDepth);
    const PngSpec layout{
        .width = 1, .height = 1, .colorType = c.colorType, .bitDepth = c.bitDepth, .rows = {c.row}};
    const DecodedPicture picture = Decode(testing::MakePng(layout));
    ASSERT_TRUE(picture.hasPalette);
    ASSERT_EQ(picture.palette.size(), c.levels);
    EXPECT_EQ(picture.palette[0], 0x000000u);
    EXPECT_EQ(picture.palette[1], c.entry1);
    EXPECT_EQ(picture.palette[c.levels - 1], 0xFFFFFFu);
    EXPECT_EQ(picture.pixels[0], c.firstPixel);
  }
  const PngSpec twoBit{.width = 1, .height = 1, .colorType = 0, .bitDepth = 2, .rows = {{0}}};
  EXPECT_EQ(Decode(testing::MakePng(twoBit)).palette[5], 0x555555u);
}

TEST(PngDecoder, GammaCorrectsPaletteAndPixelsAlike) {
  // File gamma 1.0 on a 2.2 display: 128 becomes round(255 * (128/255)^(1/2.2)) = 186.
  PngSpec layout{.width = 1,
                 .height = 1,
                 .colorType = 3,
                 .rows = {{1}},
                 .palette = {0x000000, 0x80FF00},
                 .gamma = 1.0};
  const DecodedPicture linear = Decode(testing::MakePng(layout));
  EXPECT_THAT(linear.palette, ElementsAre(0x000000u, 0x00FFBAu));
  EXPECT_THAT(linear.pixels, ElementsAre(0xFFBAFF00));
  layout.gamma = 1 / 2.2;  // the display's own gamma: no change
  EXPECT_THAT(Decode(testing::MakePng(layout)).palette, ElementsAre(0x000000u, 0x00FF80u));
}

TEST(PngDecoder, RefusesOtherFilesAndOversizeHeaders) {
  EXPECT_THAT(DecodePng({}).error, HasSubstr("empty"));
  EXPECT_THAT(DecodePng(testing::MakeBmp24(1, 1, {0})).error, HasSubstr("not a PNG file"));

  const Bytes small = testing::MakeRgbPng(2, 2, std::vector<std::uint32_t>(4, 0x336699), false);
  EXPECT_THAT(DecodePng(WithHeaderSize(small, 70000, 1)).error, HasSubstr("too large"));
  EXPECT_THAT(DecodePng(WithHeaderSize(small, 30000, 30000)).error, HasSubstr("too large"));
  // Within the limits, but no deflate stream this short can hold 16000 x 16000 pixels.
  EXPECT_THAT(DecodePng(WithHeaderSize(small, 16000, 16000)).error, HasSubstr("too small"));
  EXPECT_THAT(DecodePng(WithHeaderSize(small, 40, 40)).error, HasSubstr("damaged"));
}

TEST(PngDecoder, EveryTruncationFailsCleanly) {
  const Bytes file = testing::MakeRgbPng(4, 3, std::vector<std::uint32_t>(12, 0x80336699), true);
  constexpr std::size_t kEndChunk = 12;  // IEND is not needed once the rows are read
  testing::ExpectCutsFail([](auto file) { return DecodePng(file); }, file, file.size() - kEndChunk);
}

}  // namespace
}  // namespace pixmora

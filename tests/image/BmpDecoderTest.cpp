#include "image/codecs/BmpDecoder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/image/CutFiles.h"
#include "tests/image/TestImages.h"

namespace pixmora {
namespace {

using testing::BmpSpec;
using testing::Bytes;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

const std::vector<std::uint32_t> kFourColors = {0xFF0000, 0x00FF00, 0x0000FF, 0x123456};

DecodedPicture Decode(const Bytes& file) {
  DecodeResult result = DecodeBmp(file);
  EXPECT_TRUE(result.ok) << result.error;
  return result.picture;
}

TEST(BmpDecoder, TwentyFourBitRowsKeepTheirOrderAndHaveNoPalette) {
  const std::vector<std::uint32_t> pixels = {0x102030, 0x405060, 0x708090,
                                             0xA0B0C0, 0xD0E0F0, 0x010203};
  const DecodedPicture bottomUp = Decode(testing::MakeBmp24(3, 2, pixels));
  EXPECT_EQ(bottomUp.width, 3);
  EXPECT_EQ(bottomUp.height, 2);
  EXPECT_THAT(bottomUp.pixels,
              ElementsAre(0xFF102030, 0xFF405060, 0xFF708090, 0xFFA0B0C0, 0xFFD0E0F0, 0xFF010203));
  EXPECT_FALSE(bottomUp.hasPalette);
  EXPECT_FALSE(bottomUp.keepsAlpha);
  EXPECT_EQ(bottomUp.frameCount, 1);

  BmpSpec topDown{.width = 1,
                  .height = 2,
                  .bitsPerPixel = 24,
                  .topDown = true,
                  .rows = {{0x01, 0x02, 0x03}, {0x04, 0x05, 0x06}}};
  EXPECT_THAT(Decode(testing::MakeBmp(topDown)).pixels, ElementsAre(0xFF030201, 0xFF060504));
  topDown.headerSize = 108;
  EXPECT_THAT(Decode(testing::MakeBmp(topDown)).pixels, ElementsAre(0xFF030201, 0xFF060504));
}

TEST(BmpDecoder, IndexedBitmapsReportTheirWholeColorTable) {
  std::vector<std::uint32_t> gray256;
  for (std::uint32_t i = 0; i < 256; ++i)
    gray256.push_back(i * 0x010101u);
  gray256[1] = 0xFF8000;  // orange, to see the byte order of the entries
  const DecodedPicture eight = Decode(testing::MakeIndexedBmp(8, 3, 1, gray256, {1, 255, 7}));
  ASSERT_TRUE(eight.hasPalette);
  EXPECT_EQ(eight.palette.size(), 256u);
  EXPECT_EQ(eight.palette[1], 0x0080FFu);
  EXPECT_EQ(eight.palette[255], 0xFFFFFFu);
  EXPECT_THAT(eight.pixels, ElementsAre(0xFFFF8000, 0xFFFFFFFF, 0xFF070707));

  std::vector<std::uint32_t> sixteen(16, 0x000000);
  sixteen[15] = 0x0000FF;
  sixteen[3] = 0x00FF00;
  const DecodedPicture four =
      Decode(testing::MakeIndexedBmp(4, 3, 2, sixteen, {15, 3, 0, 3, 15, 15}));
  EXPECT_EQ(four.palette.size(), 16u);
  EXPECT_EQ(four.palette[15], 0xFF0000u);
  EXPECT_THAT(four.pixels,
              ElementsAre(0xFF0000FF, 0xFF00FF00, 0xFF000000, 0xFF00FF00, 0xFF0000FF, 0xFF0000FF));

  const DecodedPicture one = Decode(
      testing::MakeIndexedBmp(1, 10, 1, {0x000000, 0xFFFFFF}, {1, 0, 0, 0, 0, 0, 0, 0, 1, 1}));
  EXPECT_THAT(one.palette, ElementsAre(0x000000u, 0xFFFFFFu));
  EXPECT_EQ(one.pixels[0], 0xFFFFFFFFu);
  EXPECT_EQ(one.pixels[1], 0xFF000000u);
  EXPECT_EQ(one.pixels[9], 0xFFFFFFFFu);
}

TEST(BmpDecoder, PartialColorTablesCountOnlyTheirEntries) {
  // Three used colors; index 3 lies beyond the table and draws entry 0.
  BmpSpec layout{.width = 4,
                 .height = 1,
                 .bitsPerPixel = 8,
                 .palette = {0xFF0000, 0x00FF00, 0x0000FF},
                 .colorsUsed = 3,
                 .rows = {{0, 1, 2, 3}}};
  const DecodedPicture picture = Decode(testing::MakeBmp(layout));
  EXPECT_THAT(picture.palette, ElementsAre(0x0000FFu, 0x00FF00u, 0xFF0000u));
  EXPECT_THAT(picture.pixels, ElementsAre(0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFF0000));

  // An OS/2 bitmap has no count: its table ends where the pixel data starts.
  BmpSpec os2{.width = 2,
              .height = 1,
              .bitsPerPixel = 4,
              .headerSize = 12,
              .palette = {0x112233, 0x445566},
              .rows = {{0x10}}};
  const DecodedPicture old = Decode(testing::MakeBmp(os2));
  EXPECT_THAT(old.palette, ElementsAre(0x332211u, 0x665544u));
  EXPECT_THAT(old.pixels, ElementsAre(0xFF445566, 0xFF112233));
}

TEST(BmpDecoder, SixteenBitPixelsStretchTheirFields) {
  // 5-5-5 without bit fields: 1 of 31 is 8 of 255.
  BmpSpec rgb555{.width = 2, .height = 1, .bitsPerPixel = 16, .rows = {{0x00, 0x7C, 0x21, 0x04}}};
  EXPECT_THAT(Decode(testing::MakeBmp(rgb555)).pixels, ElementsAre(0xFFFF0000, 0xFF080808));

  BmpSpec rgb565{.width = 3,
                 .height = 1,
                 .bitsPerPixel = 16,
                 .compression = 3,
                 .masks = {0xF800, 0x07E0, 0x001F, 0},
                 .rows = {{0xE0, 0x07, 0x1F, 0x00, 0x41, 0x08}}};
  const DecodedPicture picture = Decode(testing::MakeBmp(rgb565));
  EXPECT_THAT(picture.pixels, ElementsAre(0xFF00FF00, 0xFF0000FF, 0xFF080808));
  EXPECT_FALSE(picture.hasPalette);
  EXPECT_FALSE(picture.keepsAlpha);
}

TEST(BmpDecoder, ThirtyTwoBitPixelsKeepTheirFourthByte) {
  BmpSpec plain{.width = 2,
                .height = 1,
                .bitsPerPixel = 32,
                .rows = {{0x30, 0x20, 0x10, 0x80, 0x01, 0x02, 0x03, 0x00}}};
  const DecodedPicture picture = Decode(testing::MakeBmp(plain));
  EXPECT_TRUE(picture.keepsAlpha);
  EXPECT_FALSE(picture.hasPalette);
  EXPECT_THAT(picture.pixels, ElementsAre(0x80102030, 0x00030201));

  // Bit fields in R, G, B, A byte order with the alpha mask of a version 5 header.
  BmpSpec fields{.width = 1,
                 .height = 1,
                 .bitsPerPixel = 32,
                 .compression = 3,
                 .headerSize = 124,
                 .masks = {0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000},
                 .rows = {{0x11, 0x22, 0x33, 0x44}}};
  EXPECT_THAT(Decode(testing::MakeBmp(fields)).pixels, ElementsAre(0x44112233));
}

TEST(BmpDecoder, RunLengthCodesFillRowsAndSkippedPixelsTakeEntryZero) {
  // 5 x 3, bottom row first: a run of 3 x index 1, an absolute run 2, 3, 1 whose last pixel
  // falls off the row; end of line; delta one right and one up; one index-2 pixel; end.
  BmpSpec rle8{.width = 5,
               .height = 3,
               .bitsPerPixel = 8,
               .compression = 1,
               .palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF},
               .rle = {3, 1, 0, 3, 2, 3, 1, 0, 0, 0, 0, 2, 1, 1, 1, 2, 0, 1}};
  const DecodedPicture picture = Decode(testing::MakeBmp(rle8));
  const std::uint32_t k = 0xFF000000, r = 0xFFFF0000, g = 0xFF00FF00, b = 0xFF0000FF;
  EXPECT_THAT(picture.pixels, ElementsAre(k, g, k, k, k,  //
                                          k, k, k, k, k,  //
                                          r, r, r, g, b));
  EXPECT_EQ(picture.palette.size(), 4u);

  // RLE4: a run alternates its two nibbles; the absolute run has 3 pixels in 2 bytes.
  BmpSpec rle4{.width = 6,
               .height = 1,
               .bitsPerPixel = 4,
               .compression = 2,
               .palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF},
               .rle = {3, 0x12, 0, 3, 0x31, 0x20, 0, 1}};
  EXPECT_THAT(Decode(testing::MakeBmp(rle4)).pixels, ElementsAre(r, g, r, b, r, g));

  rle8.topDown = true;
  EXPECT_THAT(Decode(testing::MakeBmp(rle8)).pixels, ElementsAre(r, r, r, g, b,  //
                                                                 k, k, k, k, k,  //
                                                                 k, g, k, k, k));
}

TEST(BmpDecoder, RefusesWhatIsNotAWholeBitmap) {
  EXPECT_THAT(DecodeBmp({}).error, HasSubstr("empty"));
  const Bytes png = testing::MakeRgbPng(2, 2, std::vector<std::uint32_t>(4, 0), false);
  EXPECT_THAT(DecodeBmp(png).error, HasSubstr("not a BMP file"));

  BmpSpec layout{
      .width = 2, .height = 2, .bitsPerPixel = 8, .palette = kFourColors, .rows = {{0, 1}, {2, 3}}};
  layout.compression = 4;
  EXPECT_THAT(DecodeBmp(testing::MakeBmp(layout)).error, HasSubstr("compression"));
  layout.compression = 2;  // RLE4 on an 8-bit bitmap
  EXPECT_FALSE(DecodeBmp(testing::MakeBmp(layout)).ok);
  layout.compression = 0;
  layout.bitsPerPixel = 7;
  EXPECT_THAT(DecodeBmp(testing::MakeBmp(layout)).error, HasSubstr("bit depth"));
  layout.bitsPerPixel = 8;
  layout.palette.clear();
  layout.colorsUsed = 0;
  EXPECT_THAT(DecodeBmp(testing::MakeBmp(layout)).error, HasSubstr("color table"));

  BmpSpec rle{.width = 4,
              .height = 2,
              .bitsPerPixel = 8,
              .compression = 1,
              .palette = kFourColors,
              .rle = {4, 1, 0, 0, 4}};  // ends inside a code
  EXPECT_THAT(DecodeBmp(testing::MakeBmp(rle)).error, HasSubstr("truncated"));
}

TEST(BmpDecoder, RefusesOversizeHeadersBeforeReadingPixels) {
  // A few bytes of file that claim a picture beyond the limits, or beyond the data.
  BmpSpec wide{.width = 70000, .height = 1, .bitsPerPixel = 24};
  EXPECT_THAT(DecodeBmp(testing::MakeBmp(wide)).error, HasSubstr("too large"));
  BmpSpec huge{.width = 20000, .height = 20000, .bitsPerPixel = 1, .palette = {0, 0xFFFFFF}};
  EXPECT_THAT(DecodeBmp(testing::MakeBmp(huge)).error, HasSubstr("too large"));
  BmpSpec unbacked{.width = 4000, .height = 4000, .bitsPerPixel = 32};
  EXPECT_THAT(DecodeBmp(testing::MakeBmp(unbacked)).error, HasSubstr("truncated"));
  // An end-of-bitmap code alone is valid RLE, but not for 16000 x 16000 pixels.
  BmpSpec blankRle{.width = 16000,
                   .height = 16000,
                   .bitsPerPixel = 8,
                   .compression = 1,
                   .palette = {0},
                   .colorsUsed = 1,
                   .rle = {0, 1}};
  EXPECT_THAT(DecodeBmp(testing::MakeBmp(blankRle)).error, HasSubstr("too short"));
  BmpSpec empty{.width = 0, .height = 5, .bitsPerPixel = 24};
  EXPECT_THAT(DecodeBmp(testing::MakeBmp(empty)).error, HasSubstr("invalid image size"));
}

TEST(BmpDecoder, EveryTruncationFailsCleanly) {
  BmpSpec layout{.width = 3,
                 .height = 3,
                 .bitsPerPixel = 4,
                 .palette = kFourColors,
                 .rows = {{0x01, 0x20}, {0x31, 0x00}, {0x22, 0x20}}};
  const Bytes file = testing::MakeBmp(layout);
  // Only the padding of the last stored row may be missing.
  const std::size_t lastRowPadding = 2;
  testing::ExpectCutsFail(DecodeBmp, file, file.size() - lastRowPadding);
  EXPECT_TRUE(DecodeBmp(std::span(file).first(file.size() - lastRowPadding)).ok);
}

}  // namespace
}  // namespace pixmora

#include "image/codecs/IconDecoder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/image/CutFiles.h"
#include "tests/image/TestImages.h"

namespace pixmora {
namespace {

using testing::BmpSpec;
using testing::Bytes;
using ::testing::Each;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr std::uint32_t kWhite = 0xFFFFFFFF, kRed = 0xFFFF0000;

DecodedPicture Decode(const Bytes& file) {
  DecodeResult result = DecodeIcon(file);
  EXPECT_TRUE(result.ok) << result.error;
  return result.picture;
}

// A square 24-bit entry of one color, all opaque.
testing::IconEntry FlatEntry(int size, std::uint8_t blue, std::uint8_t green, std::uint8_t red) {
  BmpSpec layout{.width = size, .height = size, .bitsPerPixel = 24};
  for (int y = 0; y < size; ++y) {
    testing::Bytes row;
    for (int x = 0; x < size; ++x)
      row.insert(row.end(), {blue, green, red});
    layout.rows.push_back(row);
  }
  return testing::MakeIconBmpEntry(layout, {});
}

TEST(IconDecoder, TransparentCornersOfA32x32IconAreWhite) {
  const DecodedPicture picture = Decode(testing::MakeIconWithTransparentCorners());
  EXPECT_EQ(picture.width, 32);
  EXPECT_EQ(picture.height, 32);
  EXPECT_FALSE(picture.hasPalette);
  EXPECT_FALSE(picture.keepsAlpha);
  for (int y : {0, 3, 28, 31}) {
    for (int x : {0, 3, 28, 31})
      EXPECT_EQ(picture.pixels[y * 32 + x], kWhite) << x << "," << y;
  }
  EXPECT_EQ(picture.pixels[0 * 32 + 4], kRed);
  EXPECT_EQ(picture.pixels[4 * 32 + 0], kRed);
  EXPECT_EQ(picture.pixels[16 * 32 + 16], kRed);
}

TEST(IconDecoder, IndexedImagesDrawThroughTheMaskAndReportNoPalette) {
  // 4 x 2, 4 bits: the mask lets white through at (1, 0); under (3, 1) the XOR image holds
  // blue, which inverts the white to yellow.
  BmpSpec layout{.width = 4,
                 .height = 2,
                 .bitsPerPixel = 4,
                 .palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF},
                 .colorsUsed = 4,
                 .rows = {testing::PackRow({1, 0, 2, 1}, 4), testing::PackRow({2, 2, 1, 3}, 4)}};
  const std::vector<bool> mask = {false, true, false, false, false, false, false, true};
  const DecodedPicture picture =
      Decode(testing::MakeIcon({testing::MakeIconBmpEntry(layout, mask)}));
  EXPECT_FALSE(picture.hasPalette);
  EXPECT_TRUE(picture.palette.empty());
  EXPECT_THAT(picture.pixels, ElementsAre(kRed, kWhite, 0xFF00FF00, kRed,  //
                                          0xFF00FF00, 0xFF00FF00, kRed, 0xFFFFFF00));
}

TEST(IconDecoder, AlphaImagesBlendOverWhite) {
  // 32-bit pixels B, G, R, A: opaque red, half red, fully transparent black.
  BmpSpec layout{.width = 3,
                 .height = 1,
                 .bitsPerPixel = 32,
                 .rows = {{0, 0, 255, 255, 0, 0, 255, 128, 0, 0, 0, 0}}};
  const Bytes bmpIcon = testing::MakeIcon({testing::MakeIconBmpEntry(layout, {})});
  EXPECT_THAT(Decode(bmpIcon).pixels, ElementsAre(kRed, 0xFFFF7F7F, kWhite));

  const Bytes png = testing::MakeRgbPng(3, 1, {0xFFFF0000, 0x80FF0000, 0x00000000}, true);
  const Bytes pngIcon = testing::MakeIcon({testing::MakeIconPngEntry(3, 1, png)});
  const DecodedPicture picture = Decode(pngIcon);
  EXPECT_THAT(picture.pixels, ElementsAre(kRed, 0xFFFF7F7F, kWhite));
  EXPECT_FALSE(picture.hasPalette);
}

TEST(IconDecoder, TakesTheLargestImageAndOnTiesTheMostColors) {
  BmpSpec fourBit{
      .width = 32, .height = 32, .bitsPerPixel = 4, .palette = {0x00FF00}, .colorsUsed = 1};
  fourBit.rows.assign(32, Bytes(16, 0));
  const testing::IconEntry green32 = testing::MakeIconBmpEntry(fourBit, {});
  const testing::IconEntry blue32 = FlatEntry(32, 255, 0, 0);
  const testing::IconEntry red16 = FlatEntry(16, 0, 0, 255);
  const testing::IconEntry png48 = testing::MakeIconPngEntry(
      48, 48, testing::MakeRgbPng(48, 48, std::vector<std::uint32_t>(48 * 48, 0xFF808080), true));

  EXPECT_THAT(Decode(testing::MakeIcon({red16, green32, blue32})).pixels, Each(0xFF0000FF));
  EXPECT_THAT(Decode(testing::MakeIcon({blue32, green32, red16})).pixels, Each(0xFF0000FF));
  const DecodedPicture largest = Decode(testing::MakeIcon({red16, blue32, png48}));
  EXPECT_EQ(largest.width, 48);
  EXPECT_THAT(largest.pixels, Each(0xFF808080));
}

TEST(IconDecoder, RefusesOtherFilesAndBrokenDirectories) {
  EXPECT_THAT(DecodeIcon({}).error, HasSubstr("empty"));
  EXPECT_THAT(DecodeIcon(testing::MakeBmp24(1, 1, {0})).error, HasSubstr("not an icon file"));
  EXPECT_THAT(DecodeIcon(testing::MakeIcon({})).error, HasSubstr("no image"));

  Bytes outside = testing::MakeIconWithTransparentCorners();
  outside[6 + 12] = 0xFF;  // the only entry's offset points past the end
  EXPECT_THAT(DecodeIcon(outside).error, HasSubstr("no readable image"));

  const Bytes file = testing::MakeIconWithTransparentCorners();
  testing::ExpectCutsFail(DecodeIcon, file, file.size());
}

}  // namespace
}  // namespace pixmora

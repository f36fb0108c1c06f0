#include "image/codecs/GifDecoder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/image/CutFiles.h"
#include "tests/image/TestImages.h"

namespace pixmora {
namespace {

using testing::Bytes;
using ::testing::Each;
using ::testing::ElementsAre;
using testing::GifFrameSpec;
using testing::GifSpec;
using ::testing::HasSubstr;

const std::vector<std::uint32_t> kColors = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
constexpr std::uint32_t kBlack = 0xFF000000, kRed = 0xFFFF0000, kGreen = 0xFF00FF00,
                        kBlue = 0xFF0000FF;

DecodedPicture Decode(const Bytes& file, int frameIndex = 0) {
  DecodeResult result = DecodeGif(file, frameIndex);
  EXPECT_TRUE(result.ok) << result.error;
  return result.picture;
}

GifFrameSpec Frame(int left, int top, int width, int height, std::vector<std::uint8_t> indices) {
  return {
      .left = left, .top = top, .width = width, .height = height, .indices = std::move(indices)};
}

// The image descriptor of the first image: a global table of four entries and no extensions.
constexpr std::size_t kImageDescriptor = 6 + 7 + 4 * 3;

TEST(GifDecoder, SingleImageFillingTheScreenIsThePicture) {
  const GifSpec layout{.screenWidth = 2,
                       .screenHeight = 2,
                       .palette = kColors,
                       .frames = {Frame(0, 0, 2, 2, {0, 1, 2, 3})}};
  const DecodedPicture picture = Decode(testing::MakeGif(layout));
  EXPECT_EQ(picture.width, 2);
  EXPECT_EQ(picture.height, 2);
  EXPECT_THAT(picture.pixels, ElementsAre(kBlack, kRed, kGreen, kBlue));
  EXPECT_EQ(picture.frameCount, 1);
  ASSERT_TRUE(picture.hasPalette);
  EXPECT_THAT(picture.palette, ElementsAre(0x000000u, 0x0000FFu, 0x00FF00u, 0xFF0000u));
  EXPECT_FALSE(picture.keepsAlpha);
}

TEST(GifDecoder, SingleSmallImageIsDrawnOnTheScreenOverTheBackgroundColor) {
  GifSpec layout{.screenWidth = 4,
                 .screenHeight = 3,
                 .palette = kColors,
                 .backgroundIndex = 3,
                 .frames = {Frame(1, 1, 2, 1, {1, 2})}};
  const DecodedPicture picture = Decode(testing::MakeGif(layout));
  EXPECT_EQ(picture.width, 4);
  EXPECT_EQ(picture.height, 3);
  EXPECT_THAT(picture.pixels, ElementsAre(kBlue, kBlue, kBlue, kBlue,  //
                                          kBlue, kRed, kGreen, kBlue,  //
                                          kBlue, kBlue, kBlue, kBlue));

  // Without a global table the palette is the image's own and the uncovered area is black.
  layout.palette.clear();
  layout.frames[0].palette = {0xFFFFFF, 0x808080};
  layout.frames[0].indices = {1, 0};
  const DecodedPicture local = Decode(testing::MakeGif(layout));
  EXPECT_THAT(local.palette, ElementsAre(0xFFFFFFu, 0x808080u));
  EXPECT_EQ(local.pixels[0], kBlack);
  EXPECT_EQ(local.pixels[5], 0xFF808080u);
  EXPECT_EQ(local.pixels[6], 0xFFFFFFFFu);
}

TEST(GifDecoder, AnimatedGifGivesOneImageAtItsOwnSize) {
  GifSpec layout{.screenWidth = 4,
                 .screenHeight = 4,
                 .palette = kColors,
                 .frames = {Frame(0, 0, 4, 4, std::vector<std::uint8_t>(16, 1)),
                            Frame(1, 2, 2, 1, {2, 3}), Frame(3, 0, 1, 3, {3, 3, 3})}};
  layout.frames[1].palette = {0xFFFFFF, 0x000000};
  layout.frames[1].indices = {0, 1};
  const Bytes file = testing::MakeGif(layout);
  const DecodedPicture first = Decode(file, 0);
  EXPECT_EQ(first.frameCount, 3);
  EXPECT_EQ(first.width, 4);
  EXPECT_THAT(first.pixels, Each(kRed));
  const DecodedPicture second = Decode(file, 1);
  EXPECT_EQ(second.width, 2);
  EXPECT_EQ(second.height, 1);
  EXPECT_THAT(second.pixels, ElementsAre(0xFFFFFFFF, kBlack));
  const DecodedPicture third = Decode(file, 2);
  EXPECT_EQ(third.width, 1);
  EXPECT_EQ(third.height, 3);
  EXPECT_THAT(third.pixels, Each(kBlue));

  EXPECT_THAT(DecodeGif(file, 3).error, HasSubstr("no image 4"));
  EXPECT_FALSE(DecodeGif(file, -1).ok);
  EXPECT_EQ(Decode(testing::MakeAnimatedGif(3, 2, 2), 2).pixels[0], kGreen);
}

// Palette mode looks every pixel up in the palette: it must be the table the pixels came from.
TEST(GifDecoder, PaletteIsTheShownImagesLocalTableElseTheGlobalOne) {
  GifSpec layout{.screenWidth = 2,
                 .screenHeight = 1,
                 .palette = kColors,
                 .frames = {Frame(0, 0, 2, 1, {1, 0})}};
  layout.frames[0].palette = {0x123456, 0xABCDEF};
  EXPECT_THAT(Decode(testing::MakeGif(layout)).palette, ElementsAre(0x563412u, 0xEFCDABu));

  layout.frames.push_back(Frame(0, 0, 1, 1, {3}));
  layout.frames.push_back(Frame(0, 0, 1, 1, {1}));
  layout.frames[2].palette = {0x000000, 0xFFFFFF};
  const Bytes animated = testing::MakeGif(layout);
  EXPECT_THAT(Decode(animated, 0).palette, ElementsAre(0x563412u, 0xEFCDABu));
  const DecodedPicture global = Decode(animated, 1);
  EXPECT_THAT(global.palette, ElementsAre(0x000000u, 0x0000FFu, 0x00FF00u, 0xFF0000u));
  EXPECT_THAT(global.pixels, ElementsAre(kBlue));
  const DecodedPicture local = Decode(animated, 2);
  EXPECT_THAT(local.palette, ElementsAre(0x000000u, 0xFFFFFFu));
  EXPECT_THAT(local.pixels, ElementsAre(0xFFFFFFFFu));
}

TEST(GifDecoder, TransparentIndexKeepsItsColorAndInterlacedRowsTheirPlace) {
  GifSpec layout{.screenWidth = 1,
                 .screenHeight = 10,
                 .palette = kColors,
                 .frames = {Frame(0, 0, 1, 10, {0, 1, 2, 3, 0, 1, 2, 3, 0, 1})}};
  layout.frames[0].transparentIndex = 1;
  layout.frames[0].interlaced = true;
  EXPECT_THAT(Decode(testing::MakeGif(layout)).pixels,
              ElementsAre(kBlack, kRed, kGreen, kBlue, kBlack, kRed, kGreen, kBlue, kBlack, kRed));
}

TEST(GifDecoder, RefusesOtherFilesOversizeImagesAndTruncations) {
  EXPECT_THAT(DecodeGif({}, 0).error, HasSubstr("empty"));
  EXPECT_THAT(DecodeGif(testing::MakeBmp24(1, 1, {0}), 0).error, HasSubstr("not a GIF file"));

  const GifSpec layout{.screenWidth = 3,
                       .screenHeight = 2,
                       .palette = kColors,
                       .frames = {Frame(0, 0, 3, 2, {0, 1, 2, 3, 2, 1})}};
  const Bytes file = testing::MakeGif(layout);
  ASSERT_EQ(file[kImageDescriptor], 0x2C);
  auto withImageSize = [&](std::uint16_t width, std::uint16_t height) {
    Bytes patched = file;
    patched[kImageDescriptor + 5] = static_cast<std::uint8_t>(width);
    patched[kImageDescriptor + 6] = static_cast<std::uint8_t>(width >> 8);
    patched[kImageDescriptor + 7] = static_cast<std::uint8_t>(height);
    patched[kImageDescriptor + 8] = static_cast<std::uint8_t>(height >> 8);
    return patched;
  };
  EXPECT_THAT(DecodeGif(withImageSize(65535, 65535), 0).error, HasSubstr("too large"));
  EXPECT_THAT(DecodeGif(withImageSize(16000, 16000), 0).error, HasSubstr("too small"));
  EXPECT_FALSE(DecodeGif(withImageSize(40, 40), 0).ok);
  GifSpec hugeScreen = layout;
  hugeScreen.screenWidth = hugeScreen.screenHeight = 16000;
  EXPECT_THAT(DecodeGif(testing::MakeGif(hugeScreen), 0).error, HasSubstr("logical screen"));

  // Every cut fails, except one that loses only the trailer.
  testing::ExpectCutsFail([](auto cut) { return DecodeGif(cut, 0); }, file, file.size() - 1);
  EXPECT_TRUE(DecodeGif(std::span(file).first(file.size() - 1), 0).ok);
}

}  // namespace
}  // namespace pixmora

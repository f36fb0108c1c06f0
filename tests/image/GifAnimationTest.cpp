// Every frame composed as a viewer shows it, from GIFs that giflib's encoder writes: each
// disposal method, transparency, images smaller than the screen at offsets, local color tables
// and delays.
#include "image/codecs/GifAnimation.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "image/Frames.h"
#include "tests/image/TempFolderTest.h"
#include "tests/image/TestImages.h"

namespace pixmora {
namespace {

using ::testing::ElementsAre;
using testing::GifFrameSpec;
using testing::GifSpec;
using ::testing::HasSubstr;

// Global table: 0 black (the background), 1 red, 2 green, 3 blue.
const std::vector<std::uint32_t> kColors = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
constexpr std::uint32_t K = 0xFF000000, R = 0xFFFF0000, G = 0xFF00FF00, B = 0xFF0000FF;

GifFrameSpec Image(int left, int top, int width, int height, std::vector<std::uint8_t> indices,
                   int disposal = 0) {
  return {.left = left,
          .top = top,
          .width = width,
          .height = height,
          .indices = std::move(indices),
          .disposal = disposal};
}

GifAnimation Decode(const GifSpec& layout) {
  GifAnimation animation = DecodeGifAnimation(testing::MakeGif(layout));
  EXPECT_EQ(animation.error, "");
  return animation;
}

// The screen of a frame as pixels, and its coverage (0 where nothing covers it).
std::vector<std::uint32_t> Pixels(const AnimationFrame& frame) {
  return frame.image.Pixels();
}
std::vector<int> Coverage(const AnimationFrame& frame) {
  std::vector<int> coverage;
  for (std::size_t i = 0; i < frame.image.PixelCount(); ++i)
    coverage.push_back(frame.image.Coverage(i) == 0xFF ? 1 : 0);
  return coverage;
}

// A 3 x 2 screen filled red by the first image; the second, a 1 x 2 green column at x = 1.
GifSpec RedThenGreenColumn(int firstDisposal, int secondDisposal) {
  return {.screenWidth = 3,
          .screenHeight = 2,
          .palette = kColors,
          .frames = {Image(0, 0, 3, 2, {1, 1, 1, 1, 1, 1}, firstDisposal),
                     Image(1, 0, 1, 2, {2, 2}, secondDisposal), Image(2, 1, 1, 1, {3})}};
}

TEST(GifAnimation, KeptFramesDrawEachImageOverTheOnesBefore) {
  for (const int disposal : {0, 1}) {
    const GifAnimation a = Decode(RedThenGreenColumn(disposal, disposal));
    ASSERT_EQ(a.frames.size(), 3u);
    EXPECT_THAT(Pixels(a.frames[0]), ElementsAre(R, R, R, R, R, R));
    EXPECT_THAT(Pixels(a.frames[1]), ElementsAre(R, G, R, R, G, R));
    EXPECT_THAT(Pixels(a.frames[2]), ElementsAre(R, G, R, R, G, B));
    EXPECT_FALSE(a.frames[2].image.HasCoveragePlane()) << "every pixel is covered";
    EXPECT_EQ(a.frames[2].image.Width(), 3);
  }
}

TEST(GifAnimation, RestoreToBackgroundClearsOnlyTheImageRectangle) {
  const GifAnimation a = Decode(RedThenGreenColumn(0, 2));
  EXPECT_THAT(Pixels(a.frames[1]), ElementsAre(R, G, R, R, G, R));
  // The column goes back to the background color, uncovered.
  EXPECT_THAT(Pixels(a.frames[2]), ElementsAre(R, K, R, R, K, B));
  EXPECT_THAT(Coverage(a.frames[2]), ElementsAre(1, 0, 1, 1, 0, 1));
}

TEST(GifAnimation, RestoreToPreviousBringsBackWhatWasBelow) {
  const GifAnimation a = Decode(RedThenGreenColumn(0, 3));
  EXPECT_THAT(Pixels(a.frames[2]), ElementsAre(R, R, R, R, R, B));
  EXPECT_THAT(Coverage(a.frames[2]), ElementsAre(1, 1, 1, 1, 1, 1));
}

TEST(GifAnimation, RestoreToPreviousOnTheFirstFrameGoesBackToTheEmptyScreen) {
  GifSpec layout{.screenWidth = 2,
                 .screenHeight = 1,
                 .palette = kColors,
                 .backgroundIndex = 3,
                 .frames = {Image(0, 0, 1, 1, {1}, 3), Image(1, 0, 1, 1, {2})}};
  const GifAnimation a = Decode(layout);
  // Nothing covered keeps the background entry's color.
  EXPECT_THAT(Pixels(a.frames[0]), ElementsAre(R, B));
  EXPECT_THAT(Pixels(a.frames[1]), ElementsAre(B, G));
  EXPECT_THAT(Coverage(a.frames[1]), ElementsAre(0, 1));
}

TEST(GifAnimation, TransparentPixelsLeaveWhatLiesBelow) {
  GifSpec layout = RedThenGreenColumn(1, 1);
  layout.frames[1] = Image(0, 0, 3, 2, {0, 2, 0, 2, 0, 0}, 1);
  layout.frames[1].transparentIndex = 0;
  const GifAnimation a = Decode(layout);
  EXPECT_THAT(Pixels(a.frames[1]), ElementsAre(R, G, R, G, R, R));
}

TEST(GifAnimation, SmallImagesAtOffsetsOnALargerScreen) {
  GifSpec layout{.screenWidth = 4,
                 .screenHeight = 3,
                 .palette = kColors,
                 .frames = {Image(1, 1, 2, 1, {1, 2}, 1), Image(3, 2, 1, 1, {3}, 1)}};
  const GifAnimation a = Decode(layout);
  ASSERT_EQ(a.frames[0].image.Width(), 4);
  ASSERT_EQ(a.frames[0].image.Height(), 3);
  EXPECT_THAT(Coverage(a.frames[1]), ElementsAre(0, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0, 1));
  EXPECT_EQ(a.frames[1].image.Pixel(1, 1), R);
  EXPECT_EQ(a.frames[1].image.Pixel(2, 1), G);
  EXPECT_EQ(a.frames[1].image.Pixel(3, 2), B);
}

TEST(GifAnimation, AnImageBeyondTheScreenGrowsIt) {
  GifSpec layout{.screenWidth = 1,
                 .screenHeight = 1,
                 .palette = kColors,
                 .frames = {Image(0, 0, 1, 1, {1}), Image(1, 1, 1, 1, {2})}};
  const GifAnimation a = Decode(layout);
  EXPECT_THAT(Pixels(a.frames[0]), ElementsAre(R, K, K, K));
  EXPECT_THAT(Pixels(a.frames[1]), ElementsAre(R, K, K, G));
}

TEST(GifAnimation, LocalColorTablesColorTheirOwnImage) {
  GifSpec layout = RedThenGreenColumn(1, 1);
  layout.frames[1].palette = {0x123456, 0xABCDEF};
  layout.frames[1].indices = {1, 0};
  const GifAnimation a = Decode(layout);
  EXPECT_THAT(Pixels(a.frames[1]), ElementsAre(R, 0xFFABCDEF, R, R, 0xFF123456, R));
  EXPECT_THAT(a.palette, ElementsAre(0x000000u, 0x0000FFu, 0x00FF00u, 0xFF0000u))
      << "the global table, 0x00BBGGRR";
}

TEST(GifAnimation, DelaysInMillisecondsAndZeroShownAsOneHundred) {
  GifSpec layout = RedThenGreenColumn(1, 1);
  layout.frames[0].delayCs = 7;
  layout.frames[1].delayCs = 0;
  layout.frames[2].delayCs = 250;
  const GifAnimation a = Decode(layout);
  EXPECT_EQ(a.frames[0].delayMs, 70);
  EXPECT_EQ(a.frames[1].delayMs, kZeroDelayShownMs);
  EXPECT_EQ(kZeroDelayShownMs, 100);
  EXPECT_EQ(a.frames[2].delayMs, 2500);
}

TEST(GifAnimation, DamagedFilesGiveAReason) {
  EXPECT_EQ(DecodeGifAnimation({}).error, "the file is empty");
  const testing::Bytes notGif = {'P', 'N', 'G', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(DecodeGifAnimation(notGif).error, "not a GIF file");
  testing::Bytes file = testing::MakeGif(RedThenGreenColumn(0, 0));
  file.resize(file.size() - 6);
  EXPECT_THAT(DecodeGifAnimation(file).error, HasSubstr("GIF data"));
}

TEST(GifAnimation, AHugeScreenFromATinyFileIsRefused) {
  GifSpec layout{.screenWidth = 10000,
                 .screenHeight = 10000,
                 .palette = kColors,
                 .frames = {Image(0, 0, 1, 1, {1}), Image(0, 0, 1, 1, {2})}};
  EXPECT_THAT(DecodeGifAnimation(testing::MakeGif(layout)).error, HasSubstr("too small"));
}

TEST(GifAnimation, ManySmallImagesOnAHugeScreenAreRefused) {
  GifSpec layout{.screenWidth = 16000, .screenHeight = 16000, .palette = kColors};
  for (int k = 0; k < 3; ++k)
    layout.frames.push_back(Image(0, 0, 1, 1, {1}));
  EXPECT_EQ(DecodeGifAnimation(testing::MakeGif(layout)).error,
            "3 frames of 16000 x 16000 pixels are more than 268435456 pixels together");
}

class GifFrameFiles : public testing::TempFolderTest {};

TEST_F(GifFrameFiles, ComposedFrameNamesTheFileWhenItHasNoSuchFrame) {
  const std::string path = Write("walk.gif", testing::MakeGif(RedThenGreenColumn(0, 2)));
  std::string error;
  const TBitmap32 third = ComposedGifFrame(path, 2, error);
  EXPECT_EQ(error, "");
  EXPECT_EQ(third.Pixel(1, 0), K);
  ComposedGifFrame(path, 3, error);
  EXPECT_THAT(error, HasSubstr("walk.gif\" has no frame 3 (it holds 3)"));
  ComposedGifFrame(PathOf("missing.gif"), 0, error);
  EXPECT_THAT(error, HasSubstr("Cannot read"));
}

}  // namespace
}  // namespace pixmora

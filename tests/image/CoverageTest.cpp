// The transparency that a decoded picture keeps beside the pixels the classic readers see, and
// how the edits carry it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "image/ColorReduction.h"
#include "image/Geometry.h"
#include "image/KernelResampler.h"
#include "image/Threshold.h"
#include "image/codecs/BmpDecoder.h"
#include "image/codecs/GifDecoder.h"
#include "image/codecs/IconDecoder.h"
#include "image/codecs/PngDecoder.h"
#include "tests/image/LoadedDocument.h"
#include "tests/image/TestImages.h"

namespace pixmora {
namespace {

using testing::BmpSpec;
using testing::Bytes;
using ::testing::ElementsAre;
using testing::PngSpec;

DecodedPicture Picture(DecodeResult result) {
  EXPECT_TRUE(result.ok) << result.error;
  return std::move(result.picture);
}

TEST(DecodedCoverage, PngKeepsItsAlphaBesideThePixelsBlendedOverBlack) {
  const Bytes rgba = testing::MakeRgbPng(3, 1, {0x80FF0000, 0x00FFFFFF, 0xFF123456}, true);
  const DecodedPicture picture = Picture(DecodePng(rgba));
  EXPECT_THAT(picture.pixels, ElementsAre(0xFF800000, 0xFF000000, 0xFF123456));
  EXPECT_THAT(picture.coverage, ElementsAre(0x80, 0x00, 0xFF));
  EXPECT_EQ(picture.blendedOver, 0x000000u);

  PngSpec indexed{.width = 2,
                  .height = 1,
                  .colorType = 3,
                  .rows = {{0, 1}},
                  .palette = {0x00FF00, 0x0000FF},
                  .paletteAlpha = {0}};
  EXPECT_THAT(Picture(DecodePng(testing::MakePng(indexed))).coverage, ElementsAre(0x00, 0xFF));

  const DecodedPicture opaque = Picture(DecodePng(testing::MakeRgbPng(1, 1, {0xFF00FF}, false)));
  EXPECT_TRUE(opaque.coverage.empty());
  const DecodedPicture allOpaqueAlpha =
      Picture(DecodePng(testing::MakeRgbPng(1, 1, {0xFF00FF00}, true)));
  EXPECT_TRUE(allOpaqueAlpha.coverage.empty());
}

TEST(DecodedCoverage, GifTransparentIndexAndTheScreenAroundAFrame) {
  const Bytes gif = testing::MakeGif(
      {.screenWidth = 3,
       .screenHeight = 1,
       .palette = {0xFF0000, 0x00FF00},
       .frames = {{.left = 1, .width = 2, .height = 1, .indices = {0, 1}, .transparentIndex = 1}}});
  const DecodedPicture picture = Picture(DecodeGif(gif, 0));
  // The classic path draws the transparent index in its color.
  EXPECT_THAT(picture.pixels, ElementsAre(0xFFFF0000, 0xFFFF0000, 0xFF00FF00));
  EXPECT_THAT(picture.coverage, ElementsAre(0x00, 0xFF, 0x00));
  EXPECT_FALSE(picture.blendedOver.has_value());

  // The extension belongs to the one image after it.
  const Bytes animated =
      testing::MakeGif({.screenWidth = 1,
                        .screenHeight = 1,
                        .palette = {0xFF0000, 0x00FF00},
                        .frames = {{.width = 1, .height = 1, .indices = {1}, .transparentIndex = 1},
                                   {.width = 1, .height = 1, .indices = {1}}}});
  EXPECT_THAT(Picture(DecodeGif(animated, 0)).coverage, ElementsAre(0x00));
  EXPECT_TRUE(Picture(DecodeGif(animated, 1)).coverage.empty());
}

TEST(DecodedCoverage, IconMaskAndAlphaOverWhite) {
  const DecodedPicture masked = Picture(DecodeIcon(testing::MakeIconWithTransparentCorners()));
  ASSERT_EQ(masked.coverage.size(), 32u * 32u);
  EXPECT_EQ(masked.coverage[0], 0x00);
  EXPECT_EQ(masked.coverage[16 * 32 + 16], 0xFF);
  EXPECT_EQ(masked.pixels[0], 0xFFFFFFFFu);
  EXPECT_EQ(masked.blendedOver, 0xFFFFFFu);

  BmpSpec alpha{
      .width = 2, .height = 1, .bitsPerPixel = 32, .rows = {{0, 0, 255, 128, 9, 9, 9, 0}}};
  const DecodedPicture blended =
      Picture(DecodeIcon(testing::MakeIcon({testing::MakeIconBmpEntry(alpha, {})})));
  EXPECT_THAT(blended.coverage, ElementsAre(128, 0));
  EXPECT_EQ(blended.blendedOver, 0xFFFFFFu);
}

TEST(DecodedCoverage, ABmpWhoseFourthBytesAreAllZeroIsOpaque) {
  BmpSpec zero{.width = 2, .height = 1, .bitsPerPixel = 32, .rows = {{1, 2, 3, 0, 4, 5, 6, 0}}};
  const DecodedPicture unused = Picture(DecodeBmp(testing::MakeBmp(zero)));
  EXPECT_TRUE(unused.keepsAlpha);
  EXPECT_THAT(unused.pixels, ElementsAre(0x00030201u, 0x00060504u));
  EXPECT_THAT(unused.coverage, ElementsAre(0xFF, 0xFF));

  zero.rows = {{1, 2, 3, 0, 4, 5, 6, 7}};
  EXPECT_TRUE(Picture(DecodeBmp(testing::MakeBmp(zero))).coverage.empty());
}

// A picture with a coverage plane, and its twin that holds the same coverage in its alpha
// bytes: every edit must treat the plane as the twin's alpha bytes.
struct Twins {
  TBitmap32 planed;
  TBitmap32 twin;
};

Twins MakeTwins(int width, int height) {
  std::mt19937 random(11);
  Twins t{TBitmap32(width, height), TBitmap32(width, height)};
  std::vector<std::uint8_t> plane(t.planed.PixelCount());
  for (std::size_t i = 0; i < plane.size(); ++i) {
    const std::uint32_t rgb = random() & 0xFFFFFFu;
    plane[i] = static_cast<std::uint8_t>(random());
    t.planed.Pixels()[i] = 0xFF000000u | rgb;
    t.twin.Pixels()[i] = std::uint32_t{plane[i]} << 24 | rgb;
  }
  t.planed.SetCoverage(std::move(plane), 0x000000);
  return t;
}

void ExpectPlaneIsTwinAlpha(const TBitmap32& planed, const TBitmap32& twin) {
  ASSERT_EQ(planed.Width(), twin.Width());
  ASSERT_EQ(planed.Height(), twin.Height());
  EXPECT_EQ(planed.CoveragePlane(), twin.CoverageCopy());
  EXPECT_EQ(planed.BlendedOver(), 0x000000u);
  for (std::size_t i = 0; i < planed.PixelCount(); ++i) {
    ASSERT_EQ(planed.Pixels()[i] & 0xFFFFFFu, twin.Pixels()[i] & 0xFFFFFFu) << i;
    ASSERT_EQ(planed.Pixels()[i] >> 24, 0xFFu) << i;
  }
}

TEST(EditedCoverage, GeometricEditsMoveThePlaneWithThePixels) {
  const std::vector<std::pair<const char*, std::function<void(TBitmap32&)>>> edits{
      {"rotate right", [](TBitmap32& i) { i = RotateRight(i); }},
      {"rotate left", [](TBitmap32& i) { i = RotateLeft(i); }},
      {"flip horizontal", [](TBitmap32& i) { FlipHorizontal(i); }},
      {"flip vertical", [](TBitmap32& i) { FlipVertical(i); }},
      {"crop",
       [](TBitmap32& i) {
         ASSERT_TRUE(CropImage(i, {3, 2, 70, 9}).Ok);
       }},
      {"resize box",
       [](TBitmap32& i) {
         TBitmap32 out(31, 7);
         TKernelResampler::Resample(i, out, ResampleFilter::Box);
         i = std::move(out);
       }},
      {"resize linear", [](TBitmap32& i) {
         TBitmap32 out(150, 23);
         TKernelResampler::Resample(i, out, ResampleFilter::Linear);
         i = std::move(out);
       }}};
  for (const auto& [name, edit] : edits) {
    SCOPED_TRACE(name);
    Twins t = MakeTwins(77, 13);
    edit(t.planed);
    edit(t.twin);
    ExpectPlaneIsTwinAlpha(t.planed, t.twin);
  }
}

TEST(EditedCoverage, ThresholdAndReductionKeepTheCoverageTheirPixelsLose) {
  Twins t = MakeTwins(20, 3);
  const std::vector<std::uint8_t> coverage = t.planed.CoverageCopy();
  TBitmap32 thresholded;
  ApplyThreshold(t.twin, 8388607, thresholded);
  EXPECT_EQ(thresholded.CoveragePlane(), coverage);
  ApplyThreshold(t.planed, 8388607, t.planed);  // in place
  EXPECT_EQ(t.planed.CoveragePlane(), coverage);
  EXPECT_FALSE(t.planed.BlendedOver().has_value());  // pure black and white are straight colors

  // An opaque picture stays opaque, although the thresholded alpha bytes are 0.
  TBitmap32 opaque(2, 1);
  opaque.Pixels() = {0xFF000000u, 0xFFFFFFFFu};
  ApplyThreshold(opaque, 100, opaque);
  EXPECT_EQ(opaque.Coverage(0), 0xFF);
  EXPECT_EQ(opaque.Coverage(1), 0xFF);
}

class ReducedCoverageTest : public testing::LoadedDocumentTest {};

TEST_F(ReducedCoverageTest, AReductionKeepsTheCoverageOfItsSource) {
  Load(testing::ColorfulImage(16, 4));
  Twins t = MakeTwins(16, 4);
  ASSERT_EQ(ReduceColorsFrom(document_, t.planed, 4), "");
  EXPECT_EQ(document_.WorkingImage.CoveragePlane(), t.planed.CoveragePlane());
  EXPECT_EQ(document_.WorkingImage.BlendedOver(), 0x000000u);
  EXPECT_EQ(document_.WorkingImage.Pixels()[0] >> 24, 0xFFu);

  ASSERT_EQ(ReduceColorsFrom(document_, testing::ColorfulImage(16, 4), 4), "");
  EXPECT_FALSE(document_.WorkingImage.HasCoveragePlane());
}

TEST_F(ReducedCoverageTest, TheWorkingImageTakesTheDecodedCoverage) {
  const std::string path =
      Write("clear.png", testing::MakeRgbPng(2, 1, {0x00FFFFFF, 0x80FF0000}, true));
  document_.CurrentFileName = path;
  document_.mnuOpenClick(LoadOrigin::Reload);
  EXPECT_THAT(document_.WorkingImage.Pixels(), ElementsAre(0xFF000000u, 0xFF800000u));
  EXPECT_THAT(document_.WorkingImage.CoveragePlane(), ElementsAre(0x00, 0x80));
  EXPECT_EQ(document_.ColorImageCopy, document_.WorkingImage);
}

}  // namespace
}  // namespace pixmora

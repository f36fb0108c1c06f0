#include "image/DocumentEdits.h"

#include <gmock/gmock.h>

#include "image/Geometry.h"
#include "tests/image/LoadedDocument.h"

namespace pixmora::testing {
namespace {

using ::testing::ElementsAre;

class DocumentEditsTest : public LoadedDocumentTest {
 protected:
  void SetUp() override {
    LoadedDocumentTest::SetUp();
    Load(ColorfulImage(100, 40));
    document_.ThresholdSourceStale = false;
  }
};

TEST_F(DocumentEditsTest, RotationRefreshesSizeTextsAndSelection) {
  RotateImageRight(document_);
  EXPECT_EQ(document_.ImageWidth, 40);
  EXPECT_EQ(document_.ImageHeight, 100);
  EXPECT_EQ(document_.Texts.lblImageDimensions, "Dimensions: 40 x 100");
  EXPECT_EQ(document_.Texts.lblDimensions, "Dimensions: 40 x 100");
  EXPECT_THAT(view_.steps, ElementsAre("ShowWorkingImage 40x100", "ResetCropSelection 40x100"));
  EXPECT_TRUE(document_.ThresholdSourceStale);
  EXPECT_FALSE(document_.ImageChanged);
  EXPECT_FALSE(document_.ImageCropped);

  RotateImageLeft(document_);
  EXPECT_EQ(document_.WorkingImage, ColorfulImage(100, 40));
  EXPECT_EQ(document_.ColorImageCopy, ColorfulImage(100, 40));
}

TEST_F(DocumentEditsTest, FlipKeepsTheSelection) {
  FlipImageVertical(document_);
  EXPECT_EQ(document_.WorkingImage.Pixel(0, 0), ColorfulImage(100, 40).Pixel(0, 39));
  EXPECT_THAT(view_.steps, ElementsAre("ShowWorkingImage 100x40"));
  EXPECT_TRUE(document_.ThresholdSourceStale);
  EXPECT_FALSE(document_.ImageChanged);
}

TEST_F(DocumentEditsTest, CropSetsItsFlags) {
  EXPECT_EQ(CropWorkingImage(document_, {10, 5, 30, 25}), "");
  EXPECT_EQ(document_.WorkingImage.Pixel(0, 0), ColorfulImage(100, 40).Pixel(10, 5));
  EXPECT_EQ(document_.Texts.lblImageDimensions, "Dimensions: 20 x 20");
  EXPECT_THAT(view_.steps, ElementsAre("ShowWorkingImage 20x20", "ResetCropSelection 20x20"));
  EXPECT_TRUE(document_.ImageCropped);
  EXPECT_TRUE(document_.ImageChanged);
  EXPECT_TRUE(document_.ThresholdSourceStale);
}

TEST_F(DocumentEditsTest, RefusedEditsChangeNothing) {
  EXPECT_NE(CropWorkingImage(document_, {10, 5, 10, 25}), "");
  EXPECT_NE(ResizeWorkingImage(document_, "0", "20", ResampleFilter::Linear), "");
  EXPECT_NE(ResizeWorkingImage(document_, "50", "-3", ResampleFilter::Linear), "");
  EXPECT_NE(ResizeWorkingImage(document_, "50", "abc", ResampleFilter::Box), "");
  EXPECT_NE(ResizeWorkingImage(document_, "65536", "20", ResampleFilter::Box), "");
  EXPECT_EQ(ResizeWorkingImage(document_, "65535", "65535", ResampleFilter::Box),
            "Can't resize: image of 65535 x 65535 pixels is too large (at most 65535 pixels a "
            "side and 268435456 pixels)");
  EXPECT_EQ(document_.WorkingImage, ColorfulImage(100, 40));
  EXPECT_TRUE(view_.steps.empty());
  EXPECT_FALSE(document_.ImageChanged);
  EXPECT_FALSE(document_.ImageCropped);
  EXPECT_FALSE(document_.ThresholdSourceStale);
}

TEST_F(DocumentEditsTest, ResizeResamplesTheWorkingImage) {
  EXPECT_EQ(ResizeWorkingImage(document_, "200", "80", ResampleFilter::Box), "");
  EXPECT_EQ(document_.WorkingImage.Pixel(3, 3), ColorfulImage(100, 40).Pixel(1, 1));
  EXPECT_EQ(document_.Texts.lblImageDimensions, "Dimensions: 200 x 80");
  EXPECT_THAT(view_.steps, ElementsAre("ShowWorkingImage 200x80", "ResetCropSelection 200x80"));
  EXPECT_TRUE(document_.ImageChanged);
  EXPECT_FALSE(document_.ImageCropped);
  EXPECT_TRUE(document_.ThresholdSourceStale);
}

TEST_F(DocumentEditsTest, ThresholdStartsFromItsSourceUntilAnEditMarksItStale) {
  document_.ThresholdSourceStale = true;
  StartThreshold(document_, 8388607);
  EXPECT_EQ(document_.ImageMode, ImageMode::Monochrome);
  EXPECT_EQ(document_.Texts.lblConvertMode, "Convert mode: Monochrome");
  EXPECT_FALSE(document_.ThresholdSourceStale);
  EXPECT_EQ(document_.ThresholdSource, ColorfulImage(100, 40));
  EXPECT_EQ(document_.ThresholdUndoCopy, document_.WorkingImage);
  // Blue of pixel (0, 0) is 0, of pixel (20, 0) is 140.
  EXPECT_EQ(document_.WorkingImage.Pixel(0, 0), 0x00000000u);
  EXPECT_EQ(document_.WorkingImage.Pixel(20, 0), 0x00FFFFFFu);

  // A second threshold works on the colors again, not on the black-and-white image.
  const TBitmap32 atOpening = document_.WorkingImage;
  ApplyThreshold(document_, 0);
  EXPECT_EQ(document_.WorkingImage.Pixel(1, 0), 0x00FFFFFFu);
  CancelThreshold(document_);
  EXPECT_EQ(document_.WorkingImage, atOpening);

  // After a geometric edit the source is the image shown, black and white by now.
  const TBitmap32 blackAndWhite = document_.WorkingImage;
  RotateImageRight(document_);
  StartThreshold(document_, 0);
  EXPECT_EQ(document_.ThresholdSource, RotateRight(blackAndWhite));
  EXPECT_EQ(document_.WorkingImage, RotateRight(blackAndWhite));
}

TEST_F(DocumentEditsTest, ModeSwitches) {
  RotateImageRight(document_);
  ASSERT_TRUE(SwitchImageMode(document_, ImageMode::Monochrome, 16777215));
  EXPECT_EQ(document_.ImageMode, ImageMode::Monochrome);
  EXPECT_EQ(document_.WorkingImage.Width(), 40);
  for (const std::uint32_t p : document_.WorkingImage.Pixels())
    ASSERT_EQ(p, 0u);

  // Without a color reduction, Color decodes the file again: the rotation is gone.
  ASSERT_TRUE(SwitchImageMode(document_, ImageMode::Color, 8388607));
  EXPECT_EQ(document_.ImageMode, ImageMode::Color);
  EXPECT_EQ(document_.Texts.mnuImageMode2, "Color");
  EXPECT_EQ(document_.WorkingImage, ColorfulImage(100, 40));
  EXPECT_EQ(document_.ImageWidth, 100);

  EXPECT_FALSE(SwitchImageMode(document_, ImageMode::Palette, 8388607));
  EXPECT_EQ(document_.ImageMode, ImageMode::Color);
}

}  // namespace
}  // namespace pixmora::testing

#include "image/ColorReduction.h"

#include <gmock/gmock.h>

#include <algorithm>

#include "image/DocumentEdits.h"
#include "image/QuantizeImage.h"
#include "tests/image/LoadedDocument.h"

namespace pixmora::testing {
namespace {

using ::testing::Contains;
using ::testing::Not;

TBitmap32 Reduced(const TBitmap32& image, int bits) {
  return IndexedToBitmap(QuantizeImage(image, bits));
}

class ColorReductionTest : public LoadedDocumentTest {
 protected:
  void SetUp() override {
    LoadedDocumentTest::SetUp();
    Load(ColorfulImage(60, 30));
  }
};

TEST_F(ColorReductionTest, ReducedImageBecomesThePaletteImage) {
  ASSERT_EQ(ReduceColors(document_, 4), "");
  EXPECT_EQ(document_.WorkingImage, Reduced(ColorfulImage(60, 30), 4));
  EXPECT_EQ(document_.PaletteImageCopy, document_.WorkingImage);
  EXPECT_EQ(document_.PaletteColorCount, 16);
  ASSERT_EQ(document_.ColorTable.size(), 16u);
  for (const std::uint32_t pixel : document_.WorkingImage.Pixels()) {
    ASSERT_EQ(pixel >> 24, 0xFFu);
    ASSERT_THAT(document_.ColorTable, Contains(PixelColor(pixel)));
  }
  EXPECT_TRUE(document_.HasPalette);
  EXPECT_TRUE(document_.ImageResampled);
  EXPECT_EQ(document_.ImageMode, ImageMode::Palette);
  EXPECT_EQ(document_.Texts.lblConvertMode, "Convert mode: Palette");
  EXPECT_EQ(document_.Texts.lblColors, "Colors: 16M");
  EXPECT_TRUE(view_.paletteModeEnabled);
  EXPECT_THAT(view_.steps, Contains("ResetColorSwatches"));
  EXPECT_THAT(view_.steps, Contains("ResetOutputStatistics"));
  EXPECT_THAT(view_.steps, Not(Contains("ClearOutput")));
}

TEST_F(ColorReductionTest, EveryReductionStartsFromTheDecodedImage) {
  ASSERT_EQ(ReduceColors(document_, 8), "");
  ASSERT_EQ(ReduceColors(document_, 3), "");
  EXPECT_EQ(document_.WorkingImage, Reduced(ColorfulImage(60, 30), 3));
  EXPECT_EQ(document_.PaletteColorCount, 8);

  // A rotation without a crop is not part of the source; the sizes follow the reduced image.
  RotateImageRight(document_);
  ASSERT_EQ(ReduceColors(document_, 3), "");
  EXPECT_EQ(document_.WorkingImage, Reduced(ColorfulImage(60, 30), 3));
  EXPECT_EQ(document_.ImageWidth, 60);
  EXPECT_EQ(document_.ImageHeight, 30);
  EXPECT_EQ(document_.Texts.lblImageDimensions, "Dimensions: 60 x 30");
  EXPECT_EQ(view_.steps.back(), "ResetCropSelection 60x30");
}

TEST_F(ColorReductionTest, AfterACropTheCroppedImageIsReduced) {
  RotateImageRight(document_);
  ASSERT_EQ(CropWorkingImage(document_, {2, 4, 22, 14}), "");
  const TBitmap32 cropped = document_.WorkingImage;
  ASSERT_EQ(ReduceColors(document_, 5), "");
  EXPECT_EQ(document_.WorkingImage, Reduced(cropped, 5));
}

TEST_F(ColorReductionTest, ModeSwitchesRestoreTheCopiesWithTheirPalette) {
  ASSERT_EQ(ReduceColors(document_, 4), "");
  const TBitmap32 reduced = document_.WorkingImage;
  const std::vector<std::uint32_t> palette = document_.ColorTable;

  ASSERT_TRUE(SwitchImageMode(document_, ImageMode::Color, 8388607));
  EXPECT_EQ(document_.WorkingImage, ColorfulImage(60, 30));
  EXPECT_TRUE(document_.ImageResampled);
  EXPECT_TRUE(document_.HasPalette);

  ASSERT_TRUE(SwitchImageMode(document_, ImageMode::Palette, 8388607));
  EXPECT_EQ(document_.WorkingImage, reduced);
  EXPECT_EQ(document_.ColorTable, palette);
  EXPECT_EQ(document_.PaletteColorCount, 16);
  EXPECT_EQ(document_.Texts.lblColors, "Colors: 16M");

  // Monochrome thresholds the image shown, here the reduced one.
  ASSERT_TRUE(SwitchImageMode(document_, ImageMode::Monochrome, 0));
  EXPECT_EQ(document_.ImageMode, ImageMode::Monochrome);
  EXPECT_EQ(document_.ThresholdSource, reduced);
}

TEST(ColorCountTest, MenuCountsAndTheirBits) {
  EXPECT_EQ(ReductionBits(256), 8);
  EXPECT_EQ(ReductionBits(64), 6);
  EXPECT_EQ(ReductionBits(8), 3);
  EXPECT_EQ(ReductionBits(100), 0);
  EXPECT_EQ(ReductionBits(4), 0);
}

TEST(ColorCountTest, ClickingTheCheckedItemKeepsItChecked) {
  // "64 Colors" was checked; the platform's toggle left nothing checked.
  EXPECT_EQ(CountItemsAfterClick({false, false, false, false, false, false}, 2),
            (std::array<bool, 6>{false, false, true, false, false, false}));
  EXPECT_EQ(CountItemsAfterClick({false, false, false, false, true, false}, 4),
            (std::array<bool, 6>{false, false, false, false, true, false}));
}

}  // namespace
}  // namespace pixmora::testing

#include "image/Threshold.h"

#include <gtest/gtest.h>

namespace pixmora {
namespace {

std::vector<std::uint32_t> Thresholded(std::vector<std::uint32_t> pixels, std::uint32_t position) {
  TBitmap32 source(static_cast<int>(pixels.size()), 1);
  source.Pixels() = std::move(pixels);
  TBitmap32 result;
  ApplyThreshold(source, position, result);
  EXPECT_EQ(result.Width(), source.Width());
  return result.Pixels();
}

TEST(ThresholdTest, ComparesTheTwentyFourBitNumberNotBrightness) {
  const std::uint32_t yellowish = MakePixel(255, 255, 127);  // v = 8388607
  const std::uint32_t darkBlue = MakePixel(0, 0, 128);       // v = 8388608
  EXPECT_EQ(Thresholded({yellowish, darkBlue}, 8388607),
            (std::vector<std::uint32_t>{0x00000000u, 0x00FFFFFFu}));
}

TEST(ThresholdTest, ExtremePositions) {
  const std::uint32_t black = MakePixel(0, 0, 0);
  const std::uint32_t nearBlack = MakePixel(1, 0, 0);
  const std::uint32_t white = MakePixel(255, 255, 255);
  EXPECT_EQ(Thresholded({black, nearBlack, white}, 0),
            (std::vector<std::uint32_t>{0x00000000u, 0x00FFFFFFu, 0x00FFFFFFu}));
  EXPECT_EQ(Thresholded({black, nearBlack, white}, 16777215),
            (std::vector<std::uint32_t>{0u, 0u, 0u}));
}

TEST(ThresholdTest, IgnoresAlphaAndWorksInPlace) {
  TBitmap32 image(2, 1);
  image.Pixels() = {0xFF000000u, 0x00808080u};
  ApplyThreshold(image, 8388607, image);
  EXPECT_EQ(image.Pixels(), (std::vector<std::uint32_t>{0x00000000u, 0x00FFFFFFu}));
}

}  // namespace
}  // namespace pixmora

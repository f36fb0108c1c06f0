#include "image/Zoom.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace pixmora {
namespace {

TEST(ZoomTest, TenStepsOutFromFullSizeReachTenPercentAndStop) {
  float zoom = 1.0f;
  std::vector<std::string> texts;
  for (int i = 0; i < 10; ++i) {
    zoom = ZoomOutStep(zoom);
    texts.push_back(ZoomText(zoom));
  }
  EXPECT_EQ(texts, (std::vector<std::string>{"Zoom: 90%", "Zoom: 80%", "Zoom: 70%", "Zoom: 60%",
                                             "Zoom: 50%", "Zoom: 40%", "Zoom: 30%", "Zoom: 20%",
                                             "Zoom: 10%", "Zoom: 10%"}));
  EXPECT_FLOAT_EQ(zoom, 0.09999993f);
  EXPECT_LT(zoom, 0.1f);
  EXPECT_EQ(ZoomOutStep(zoom), zoom);
}

TEST(ZoomTest, FortyStepsInStayAtTheGridThresholdAndTheNextPassesIt) {
  float zoom = 1.0f;
  for (int i = 0; i < 40; ++i)
    zoom = ZoomInStep(zoom);
  EXPECT_EQ(zoom, 4.9999976f);
  EXPECT_EQ(ZoomText(zoom), "Zoom: 500%");
  EXPECT_FALSE(zoom > kPixelGridThreshold);
  zoom = ZoomInStep(zoom);
  EXPECT_EQ(ZoomText(zoom), "Zoom: 510%");
  EXPECT_TRUE(zoom > kPixelGridThreshold);
}

TEST(ZoomTest, ZoomInEndsJustAbove99) {
  float zoom = 1.0f;
  for (int i = 0; i < 2000; ++i)
    zoom = ZoomInStep(zoom);
  EXPECT_EQ(ZoomText(zoom), "Zoom: 9910%");
}

TEST(ZoomTest, TextRoundsHalvesToEven) {
  EXPECT_EQ(ZoomText(1.0f), "Zoom: 100%");
  EXPECT_EQ(ZoomText(0.125f), "Zoom: 12%");
  EXPECT_EQ(ZoomText(0.375f), "Zoom: 38%");
}

TEST(PixelGridTest, BelowEightTimesLinesFallOnEverySecondBoundary) {
  // 5.1 doubled is 10.2; 3 pixels = 15.3 screen pixels, closed by a last line.
  const auto lines = PixelGridLines(5.1f, 3, 0.0, 1000.0);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_DOUBLE_EQ(lines[0], 0.0);
  EXPECT_NEAR(lines[1], 10.2, 1e-5);
  EXPECT_NEAR(lines[2], 15.3, 1e-5);
}

TEST(PixelGridTest, FromEightTimesEveryBoundaryHasALine) {
  EXPECT_EQ(PixelGridLines(8.0f, 3, 0.0, 1000.0), (std::vector<double>{0, 8, 16, 24}));
  // Small zooms double up to at least 8: 3 -> 6 -> 12.
  EXPECT_EQ(PixelGridLines(3.0f, 5, 0.0, 1000.0), (std::vector<double>{0, 12, 15}));
}

TEST(PixelGridTest, OnlyTheRequestedRangeIsListed) {
  EXPECT_EQ(PixelGridLines(10.0f, 100, 95.0, 130.0), (std::vector<double>{90, 100, 110, 120, 130}));
  EXPECT_TRUE(PixelGridLines(10.0f, 0, 0.0, 100.0).empty());
}

}  // namespace
}  // namespace pixmora

namespace pixmora {
namespace {

TEST(ZoomFactorTest, FactorStepsStayWithinTheirRangeAndOpeningFitsOnlyLargePictures) {
  EXPECT_FLOAT_EQ(ZoomInByFactor(1.0f), 1.25f);
  EXPECT_FLOAT_EQ(ZoomOutByFactor(1.0f), 0.8f);
  EXPECT_FLOAT_EQ(ZoomInByFactor(98.0f), kMaximumFactorZoom);
  EXPECT_FLOAT_EQ(ZoomOutByFactor(0.011f), kMinimumFactorZoom);
  // A zoom the Page Up steps took past the factor range is not pulled back by a factor step.
  EXPECT_FLOAT_EQ(ZoomInByFactor(99.05f), 99.05f);
  EXPECT_FLOAT_EQ(ZoomOutByFactor(0.005f), 0.005f);

  EXPECT_FLOAT_EQ(OpeningZoom(320, 240, 640, 480), 1.0f);
  EXPECT_FLOAT_EQ(OpeningZoom(3840, 2160, 640, 480), 0.166f);
  EXPECT_FLOAT_EQ(FitZoom(32, 16, 640, 480), 20.0f);
  EXPECT_FLOAT_EQ(FitZoom(0, 16, 640, 480), 1.0f);
  // Fitted, the scaled picture never passes the view's edge.
  const float fit = FitZoom(3, 7, 100, 100);
  EXPECT_LE(std::ceil(7 * static_cast<double>(fit)), 100.0);
}

TEST(ZoomFactorTest, TheAnchoredPointKeepsItsPlace) {
  // Offset 100, pointer at 50: image point (150 / 2) = 75 at zoom 2; at zoom 4 it must be at 50.
  const double offset = AnchoredOffset(100, 50, 2.0f, 4.0f);
  EXPECT_DOUBLE_EQ((offset + 50) / 4.0, 75.0);
  EXPECT_DOUBLE_EQ(AnchoredOffset(0, 0, 1.0f, 8.0f), 0.0);
}

}  // namespace
}  // namespace pixmora

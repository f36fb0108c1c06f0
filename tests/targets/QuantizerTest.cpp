#include "targets/Quantizer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <numeric>

namespace pixmora {
namespace {

std::vector<std::uint8_t> Quantized(Dither dither, int bits, const std::vector<std::uint8_t>& row,
                                    int rows, int threshold = 128) {
  ChannelQuantizer quantizer(dither, bits, static_cast<int>(row.size()), threshold);
  std::vector<std::uint8_t> out;
  std::vector<std::uint8_t> levels(row.size());
  for (int y = 0; y < rows; ++y) {
    quantizer.Row(y, row.data(), levels.data());
    out.insert(out.end(), levels.begin(), levels.end());
  }
  return out;
}

int Sum(const std::vector<std::uint8_t>& values) {
  return std::accumulate(values.begin(), values.end(), 0);
}

TEST(BayerValue, IsTheClassicMatrix) {
  const int firstRow[] = {0, 32, 8, 40, 2, 34, 10, 42};
  for (int x = 0; x < 8; ++x)
    EXPECT_EQ(BayerValue(x, 0), firstRow[x]);
  EXPECT_EQ(BayerValue(0, 1), 48);
  EXPECT_EQ(BayerValue(7, 7), 21);
  EXPECT_EQ(BayerValue(9, 10), BayerValue(1, 2));
  std::vector<int> all;
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x)
      all.push_back(BayerValue(x, y));
  }
  std::sort(all.begin(), all.end());
  for (int i = 0; i < 64; ++i)
    EXPECT_EQ(all[static_cast<std::size_t>(i)], i);
}

TEST(ChannelQuantizer, WithoutDitherTruncatesAndThresholds) {
  EXPECT_THAT(Quantized(Dither::None, 5, {0, 7, 8, 255}, 1), ::testing::ElementsAre(0, 0, 1, 31));
  EXPECT_THAT(Quantized(Dither::None, 1, {99, 100, 255}, 1, 100), ::testing::ElementsAre(0, 1, 1));
  EXPECT_THAT(Quantized(Dither::None, 1, {0, 255}, 1, 0), ::testing::ElementsAre(1, 1));
  EXPECT_THAT(Quantized(Dither::None, 1, {255}, 1, 256), ::testing::ElementsAre(0));
}

TEST(ChannelQuantizer, DitheringKeepsBlackAndWhiteAndTheMeanOfAFlatArea) {
  for (const Dither dither : {Dither::Ordered, Dither::FloydSteinberg}) {
    SCOPED_TRACE(static_cast<int>(dither));
    EXPECT_EQ(Sum(Quantized(dither, 1, std::vector<std::uint8_t>(16, 0), 16)), 0);
    EXPECT_EQ(Sum(Quantized(dither, 1, std::vector<std::uint8_t>(16, 255), 16)), 256);
    EXPECT_EQ(Sum(Quantized(dither, 5, std::vector<std::uint8_t>(16, 255), 16)), 31 * 256);
    // Half gray: half of the pixels lit, within one diffused pixel.
    EXPECT_NEAR(Sum(Quantized(dither, 1, std::vector<std::uint8_t>(64, 128), 64)), 2048, 64);
    // 100 on a 5-bit scale is level 12.16 (of 31): the mean level stays there.
    const double mean = Sum(Quantized(dither, 5, std::vector<std::uint8_t>(64, 100), 64)) / 4096.0;
    EXPECT_NEAR(mean, 100.0 * 31 / 255, 0.05);
  }
  // An 8 x 8 ordered block of half gray lights exactly 32 pixels.
  EXPECT_EQ(Sum(Quantized(Dither::Ordered, 1, std::vector<std::uint8_t>(8, 128), 8)), 32);
}

TEST(ChannelQuantizer, TheThresholdMovesTheDitheredLevel) {
  const std::vector<std::uint8_t> gray(64, 128);
  for (const Dither dither : {Dither::Ordered, Dither::FloydSteinberg}) {
    EXPECT_LT(Sum(Quantized(dither, 1, gray, 64, 192)), Sum(Quantized(dither, 1, gray, 64, 128)));
    EXPECT_GT(Sum(Quantized(dither, 1, gray, 64, 64)), Sum(Quantized(dither, 1, gray, 64, 128)));
  }
}

TEST(ChannelQuantizer, ErrorDiffusionIsSerpentineAndTheSameEveryRun) {
  std::vector<std::uint8_t> ramp(32);
  for (std::size_t i = 0; i < ramp.size(); ++i)
    ramp[i] = static_cast<std::uint8_t>(i * 8);
  const auto first = Quantized(Dither::FloydSteinberg, 2, ramp, 9);
  EXPECT_EQ(first, Quantized(Dither::FloydSteinberg, 2, ramp, 9));
  // With nothing carried from row 0, row 1 runs right to left: it is row 0 of the mirrored
  // values, mirrored back.
  std::vector<std::uint8_t> mirrored(ramp.rbegin(), ramp.rend());
  ChannelQuantizer twoRows(Dither::FloydSteinberg, 2, 32);
  std::vector<std::uint8_t> zeros(32, 0), row1(32);
  twoRows.Row(0, zeros.data(), row1.data());
  twoRows.Row(1, ramp.data(), row1.data());
  const auto forward = Quantized(Dither::FloydSteinberg, 2, mirrored, 1);
  EXPECT_EQ(row1, std::vector<std::uint8_t>(forward.rbegin(), forward.rend()));
  EXPECT_NE(row1, Quantized(Dither::FloydSteinberg, 2, ramp, 1));
}

}  // namespace
}  // namespace pixmora

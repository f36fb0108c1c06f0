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

// Serpentine Floyd-Steinberg written plainly: whole error arrays in 1/16 units, the nearest
// level (or the threshold for one bit), values held to -255..510.
std::vector<std::uint8_t> PlainDiffusion(int bits, int threshold, int width, int rows,
                                         const std::vector<std::uint8_t>& in) {
  const int top = (1 << bits) - 1;
  std::vector<std::vector<int>> errors(static_cast<std::size_t>(rows) + 1,
                                       std::vector<int>(static_cast<std::size_t>(width) + 2));
  std::vector<std::uint8_t> out(in.size());
  for (int y = 0; y < rows; ++y) {
    const int step = y % 2 == 0 ? 1 : -1;
    for (int i = 0; i < width; ++i) {
      const int x = step == 1 ? i : width - 1 - i;
      auto& row = errors[static_cast<std::size_t>(y)];
      auto& next = errors[static_cast<std::size_t>(y) + 1];
      const std::size_t at = static_cast<std::size_t>(y) * width + x;
      const int wanted = std::clamp(in[at] + ((row[x + 1] + 8) >> 4), -255, 510);
      const int level = bits == 1 ? (wanted >= threshold ? 1 : 0)
                                  : std::clamp((wanted * top * 2 + 255) / 510, 0, top);
      const int error = wanted - (level * 255 + top / 2) / top;
      row[x + 1 + step] += 7 * error;
      next[x + 1 - step] += 3 * error;
      next[x + 1] += 5 * error;
      next[x + 1 + step] += error;
      out[at] = static_cast<std::uint8_t>(level);
    }
  }
  return out;
}

TEST(ChannelQuantizer, ErrorDiffusionMatchesThePlainAlgorithm) {
  const int width = 37, rows = 11;
  std::vector<std::uint8_t> noise(static_cast<std::size_t>(width) * rows);
  std::uint32_t seed = 12345;
  for (std::uint8_t& value : noise) {
    seed = seed * 1664525u + 1013904223u;
    value = static_cast<std::uint8_t>(seed >> 24);
  }
  for (const auto [bits, threshold] : {std::pair{1, 100}, {1, 128}, {2, 128}, {5, 128}, {6, 128}}) {
    SCOPED_TRACE(bits);
    ChannelQuantizer quantizer(Dither::FloydSteinberg, bits, width, threshold);
    std::vector<std::uint8_t> out(noise.size());
    for (int y = 0; y < rows; ++y) {
      const std::size_t at = static_cast<std::size_t>(y) * width;
      quantizer.Row(y, noise.data() + at, out.data() + at);
    }
    EXPECT_EQ(out, PlainDiffusion(bits, threshold, width, rows, noise));
  }
  // Three channels side by side (5-6-5), each on its own rows, as each would be alone.
  std::array<ChannelQuantizer, 3> channels = {ChannelQuantizer(Dither::FloydSteinberg, 5, width),
                                              ChannelQuantizer(Dither::FloydSteinberg, 6, width),
                                              ChannelQuantizer(Dither::FloydSteinberg, 5, width)};
  std::array<std::vector<std::uint8_t>, 3> outs;
  outs.fill(std::vector<std::uint8_t>(noise.size()));
  std::vector<std::uint8_t> reversed(noise.rbegin(), noise.rend());
  const std::array<const std::vector<std::uint8_t>*, 3> ins = {&noise, &reversed, &noise};
  for (int y = 0; y < rows; ++y) {
    const std::size_t at = static_cast<std::size_t>(y) * width;
    ChannelQuantizer::Rows(y, {&channels[0], &channels[1], &channels[2]},
                           {ins[0]->data() + at, ins[1]->data() + at, ins[2]->data() + at},
                           {outs[0].data() + at, outs[1].data() + at, outs[2].data() + at});
  }
  EXPECT_EQ(outs[0], PlainDiffusion(5, 128, width, rows, noise));
  EXPECT_EQ(outs[1], PlainDiffusion(6, 128, width, rows, reversed));
  EXPECT_EQ(outs[2], outs[0]);
}

}  // namespace
}  // namespace pixmora

#include "targets/TargetPixels.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>

namespace pixmora {
namespace {

using ::testing::ElementsAre;

// Straight colors with their coverage in the alpha bytes, and the same picture as a decoder
// leaves it: the colors blended over `over`, the coverage in a plane of its own.
struct Pair {
  TBitmap32 straight;
  TBitmap32 decoded;
};

Pair MakePair(const std::vector<std::uint32_t>& argb, std::uint32_t over) {
  Pair p{TBitmap32(static_cast<int>(argb.size()), 1), TBitmap32(static_cast<int>(argb.size()), 1)};
  std::vector<std::uint8_t> plane;
  for (std::size_t i = 0; i < argb.size(); ++i) {
    const std::uint32_t a = argb[i] >> 24;
    std::uint32_t blended = 0xFF000000u;
    for (int shift = 0; shift <= 16; shift += 8) {
      const std::uint32_t c = (argb[i] >> shift) & 0xFF, b = (over >> shift) & 0xFF;
      blended |= ((c * a + b * (255 - a) + 127) / 255) << shift;
    }
    p.straight.Pixels()[i] = argb[i];
    p.decoded.Pixels()[i] = blended;
    plane.push_back(static_cast<std::uint8_t>(a));
  }
  p.decoded.SetCoverage(std::move(plane), over);
  return p;
}

std::vector<std::uint32_t> Colors(const RowPlanes& row) {
  std::vector<std::uint32_t> colors;
  for (std::size_t x = 0; x < row.r.size(); ++x)
    colors.push_back(std::uint32_t{row.r[x]} << 16 | std::uint32_t{row.g[x]} << 8 | row.b[x]);
  return colors;
}

const std::vector<std::uint32_t> kSamples{0xFF123456, 0x00ABCDEF, 0x80FF0000,
                                          0x4000FF80, 0xC0808080, 0x01FFFFFF};

TEST(BlendedRow, StraightColorsMixWithTheBackgroundByTheirCoverage) {
  const Pair p = MakePair(kSamples, 0x000000);
  RowPlanes row(6);
  BlendedRow(p.straight, 0, 0xFFFFFF, row);
  // 255 * 128 + 0 * 127 over white: (0xFF, 0x7F, 0x7F) and so on, rounded to nearest.
  EXPECT_THAT(Colors(row), ElementsAre(0x123456, 0xFFFFFF, 0xFF7F7F, 0xBFFFDF, 0x9F9F9F, 0xFFFFFF));
  EXPECT_THAT(row.a, ElementsAre(0xFF, 0x00, 0x80, 0x40, 0xC0, 0x01));
}

TEST(BlendedRow, ColorsAlreadyBlendedMoveToTheTargetsBackgroundWithinOne) {
  for (const std::uint32_t over : {0x000000u, 0xFFFFFFu, 0x336699u}) {
    for (const std::uint32_t background : {0x000000u, 0xFFFFFFu, 0x10E080u}) {
      const Pair p = MakePair(kSamples, over);
      RowPlanes expected(6), actual(6);
      BlendedRow(p.straight, 0, background, expected);
      BlendedRow(p.decoded, 0, background, actual);
      for (std::size_t x = 0; x < 6; ++x) {
        SCOPED_TRACE(x);
        EXPECT_LE(std::abs(actual.r[x] - expected.r[x]), 1);
        EXPECT_LE(std::abs(actual.g[x] - expected.g[x]), 1);
        EXPECT_LE(std::abs(actual.b[x] - expected.b[x]), 1);
      }
      // Fully transparent is exactly the background, opaque exactly the color.
      EXPECT_EQ(Colors(actual)[1], background);
      EXPECT_EQ(Colors(actual)[0], 0x123456u);
    }
  }
}

TEST(StraightRow, TakesThePremultipliedColorsBack) {
  const Pair p = MakePair(kSamples, 0x000000);
  RowPlanes row(6);
  StraightRow(p.decoded, 0, row);
  EXPECT_THAT(row.a, ElementsAre(0xFF, 0x00, 0x80, 0x40, 0xC0, 0x01));
  const std::vector<std::uint32_t> colors = Colors(row);
  EXPECT_EQ(colors[0], 0x123456u);
  EXPECT_EQ(colors[1], 0x000000u);  // no color of its own
  EXPECT_EQ(colors[2], 0xFF0000u);
  EXPECT_EQ(colors[4], 0x808080u);
  // Coverage 64 keeps a quarter of the precision.
  EXPECT_NEAR(row.g[3], 0xFF, 2);
  EXPECT_NEAR(row.b[3], 0x80, 2);

  StraightRow(p.straight, 0, row);
  EXPECT_EQ(Colors(row)[3], 0x00FF80u);
}

TEST(LumaRow, Rec601RoundedToNearest) {
  TBitmap32 image(5, 1);
  image.Pixels() = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF, 0xFF808080};
  RowPlanes row(5);
  BlendedRow(image, 0, 0, row);
  std::uint8_t luma[5];
  LumaRow(row, luma);
  // 299 * 255 = 76245, 587 * 255 = 149685, 114 * 255 = 29070.
  EXPECT_THAT(luma, ElementsAre(76, 150, 29, 255, 128));
}

TEST(LumaRow, EveryColorGivesTheIntegerFormula) {
  RowPlanes row(256 * 256);
  std::vector<std::uint8_t> luma(row.r.size());
  for (int r = 0; r < 256; ++r) {
    for (int i = 0; i < 256 * 256; ++i) {
      row.r[i] = static_cast<std::uint8_t>(r);
      row.g[i] = static_cast<std::uint8_t>(i >> 8);
      row.b[i] = static_cast<std::uint8_t>(i);
    }
    LumaRow(row, luma.data());
    for (int i = 0; i < 256 * 256; ++i) {
      const int expected = (299 * r + 587 * (i >> 8) + 114 * (i & 0xFF) + 500) / 1000;
      ASSERT_EQ(luma[static_cast<std::size_t>(i)], expected) << r << " " << i;
    }
  }
}

}  // namespace
}  // namespace pixmora

#include "image/QuantizeImage.h"

#include <gtest/gtest.h>

#include "image/FastColorLookup.h"
#include "image/FloydSteinbergDitherer.h"

namespace pixmora {
namespace {

TBitmap32 Row(std::vector<std::uint32_t> pixels) {
  TBitmap32 image(static_cast<int>(pixels.size()), 1);
  image.Pixels() = std::move(pixels);
  return image;
}

std::vector<TPaletteColor> Colors(std::initializer_list<TPaletteColor> colors, std::size_t size,
                                  TPaletteColor fill) {
  std::vector<TPaletteColor> palette(colors);
  palette.resize(size, fill);
  return palette;
}

constexpr TPaletteColor kBlack{0, 0, 0};
constexpr TPaletteColor kWhite{255, 255, 255};

TEST(QuantizeImageTest, SingleColorGivesOneLeaf) {
  TBitmap32 image(5, 3);
  std::fill(image.Pixels().begin(), image.Pixels().end(), MakePixel(10, 200, 30, 0x40));
  const TIndexedImage result = QuantizeImage(image, 3);
  EXPECT_EQ(result.Palette, Colors({}, 8, {10, 200, 30}));
  EXPECT_EQ(result.Indices, std::vector<std::uint8_t>(15, 0));
}

TEST(QuantizeImageTest, BlackAndWhite) {
  const TIndexedImage result =
      QuantizeImage(Row({MakePixel(0, 0, 0), MakePixel(255, 255, 255)}), 3);
  EXPECT_EQ(result.Palette, Colors({kBlack}, 8, kWhite));
  EXPECT_EQ(result.Indices, (std::vector<std::uint8_t>{0, 1}));
}

TEST(QuantizeImageTest, FewColorsInDistinctCellsStayExact) {
  // The eight corners of the color cube, given in an order unlike the depth-first palette order.
  const TBitmap32 image = Row({MakePixel(255, 255, 255), MakePixel(255, 0, 0), MakePixel(0, 255, 0),
                               MakePixel(0, 0, 255), MakePixel(255, 255, 0), MakePixel(0, 255, 255),
                               MakePixel(255, 0, 255), MakePixel(0, 0, 0)});
  const TIndexedImage result = QuantizeImage(image, 3);
  EXPECT_EQ(result.Palette, (std::vector<TPaletteColor>{kBlack,
                                                        {0, 0, 255},
                                                        {0, 255, 0},
                                                        {0, 255, 255},
                                                        {255, 0, 0},
                                                        {255, 0, 255},
                                                        {255, 255, 0},
                                                        kWhite}));
  EXPECT_EQ(result.Indices, (std::vector<std::uint8_t>{7, 4, 2, 1, 6, 3, 5, 0}));
  EXPECT_EQ(IndexedToBitmap(result), image);

  // Fewer colors than the palette holds: the spare entries repeat the last leaf.
  const TIndexedImage sixteen = QuantizeImage(image, 4);
  EXPECT_EQ(sixteen.Palette[8], kWhite);
  EXPECT_EQ(sixteen.Palette[15], kWhite);
  EXPECT_EQ(IndexedToBitmap(sixteen), image);
}

TEST(QuantizeImageTest, ReducesTheMostRecentReducibleNodeFirst) {
  // Eight leaves fill the tree; the ninth (magenta) forces a reduction. The level-7 nodes are
  // popped newest first: the single-child nodes of magenta, red, cyan, green and blue change
  // nothing, then the node holding white and (254, 255, 255) merges into their truncated
  // average. The older pair black / (1, 0, 0) survives.
  const TBitmap32 image =
      Row({MakePixel(0, 0, 0), MakePixel(1, 0, 0), MakePixel(255, 255, 255),
           MakePixel(254, 255, 255), MakePixel(0, 0, 255), MakePixel(0, 255, 0),
           MakePixel(0, 255, 255), MakePixel(255, 0, 0), MakePixel(255, 0, 255)});
  const TIndexedImage result = QuantizeImage(image, 3);
  EXPECT_EQ(result.Palette, (std::vector<TPaletteColor>{kBlack,
                                                        {1, 0, 0},
                                                        {0, 0, 255},
                                                        {0, 255, 0},
                                                        {0, 255, 255},
                                                        {255, 0, 0},
                                                        {255, 0, 255},
                                                        {254, 255, 255}}));
  // (1, 0, 0) shares black's 5-5-5 cell, where black was stored first.
  EXPECT_EQ(result.Indices, (std::vector<std::uint8_t>{0, 0, 7, 7, 2, 3, 4, 5, 6}));
}

TEST(QuantizeImageTest, RefusesUnsupportedDepths) {
  EXPECT_THROW(QuantizeImage(Row({0}), 0), std::invalid_argument);
  EXPECT_THROW(QuantizeImage(Row({0}), 9), std::invalid_argument);
}

TEST(QuantizeImageTest, TwoColorsSplitDarkFromLight) {
  const TIndexedImage result =
      QuantizeImage(Row({MakePixel(0, 0, 0), MakePixel(10, 10, 10), MakePixel(250, 250, 250),
                         MakePixel(255, 255, 255)}),
                    1);
  ASSERT_EQ(result.Palette.size(), 2u);
  EXPECT_EQ(result.Indices[0], result.Indices[1]);
  EXPECT_EQ(result.Indices[2], result.Indices[3]);
  EXPECT_NE(result.Indices[0], result.Indices[3]);
}

TEST(FastColorLookupTest, FirstEntryOfACellWins) {
  TFastColorLookup lookup(Colors({kBlack, {7, 7, 7}}, 8, {7, 7, 7}));
  EXPECT_EQ(lookup.Lookup(7, 7, 7), 0);
  EXPECT_EQ(lookup.Lookup(3, 0, 5), 0);
}

TEST(FastColorLookupTest, SearchesManhattanDistanceLowestIndexOnTies) {
  TFastColorLookup lookup(Colors({{100, 100, 100}, {20, 0, 0}, {0, 20, 0}}, 8, {0, 20, 0}));
  EXPECT_EQ(lookup.Lookup(10, 10, 0), 1);  // 20 to both entries 1 and 2
  // The cell of (10, 10, 0) now answers 1, although entry 2 is nearer to (9, 14, 0).
  EXPECT_EQ(lookup.Lookup(9, 14, 0), 1);
  EXPECT_EQ(lookup.Lookup(0, 40, 0), 2);
}

TEST(FloydSteinbergDithererTest, SerpentineRowsCarryTheirErrors) {
  // Gray 100 on black and white. Row 0, left to right: 100 -> black (error 100, carry 700);
  // 100 + 44 = 144 -> white; 100 - 48 = 52 -> black; 100 + 23 = 123 -> black. Row 1 runs right
  // to left from cell W + 1: 100 -> black; the carry 700 and the cell 667 left by row 0 give
  // 185 -> white; then 102 and 126 -> black.
  TBitmap32 image(4, 2);
  std::fill(image.Pixels().begin(), image.Pixels().end(), MakePixel(100, 100, 100));
  TFastColorLookup lookup(Colors({kBlack}, 8, kWhite));
  std::vector<std::uint8_t> indices(8);
  TFloydSteinbergDitherer::Dither(image, lookup, indices.data());
  EXPECT_EQ(indices, (std::vector<std::uint8_t>{0, 1, 0, 0, 0, 0, 1, 0}));
}

TEST(QuantizeImageTest, GradientIsDitheredInAlternatingDirections) {
  // Expected values from an independent implementation of the reduction rules.
  constexpr int kWidth = 48;
  TBitmap32 image(kWidth, 4);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const int v = x * 255 / (kWidth - 1);
      image.SetPixel(x, y, MakePixel(v, 128, 255 - v));
    }
  }
  const TIndexedImage result = QuantizeImage(image, 3);
  EXPECT_EQ(result.Palette, (std::vector<TPaletteColor>{{13, 128, 241},
                                                        {45, 128, 209},
                                                        {78, 128, 176},
                                                        {110, 128, 144},
                                                        {143, 128, 111},
                                                        {175, 128, 79},
                                                        {208, 128, 46},
                                                        {241, 128, 14}}));
  std::string rows;
  for (std::size_t i = 0; i < result.Indices.size(); ++i) {
    rows += static_cast<char>('0' + result.Indices[i]);
    if (i % kWidth == kWidth - 1)
      rows += '\n';
  }
  EXPECT_EQ(rows,
            "000001111111222223233334344445455556566667677777\n"
            "000000011121122222333333444444555556566667677777\n"
            "000001111111222223333334444445555555666666777777\n"
            "000000011112122222233333344444455565566666677777\n");
}

}  // namespace
}  // namespace pixmora

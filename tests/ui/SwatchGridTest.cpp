#include "ui/SwatchGrid.h"

#include <gtest/gtest.h>

namespace pixmora {
namespace {

TEST(SwatchGridTest, SixteenByShiftedSixteenInRowOrderSharingBorders) {
  EXPECT_EQ(SwatchGrid::PositionOf(0).left, 11);
  EXPECT_EQ(SwatchGrid::PositionOf(0).top, 8);
  EXPECT_EQ(SwatchGrid::PositionOf(15).left, 11 + 15 * 16);
  EXPECT_EQ(SwatchGrid::PositionOf(15).top, 8);
  EXPECT_EQ(SwatchGrid::PositionOf(16).left, 11);
  EXPECT_EQ(SwatchGrid::PositionOf(16).top, 24);
  EXPECT_EQ(SwatchGrid::PositionOf(255).left, 251);
  EXPECT_EQ(SwatchGrid::PositionOf(255).top, 248);
}

TEST(SwatchGridTest, FillCoversOnlyTheTableAndAResetClearsAnEarlierLongerOne) {
  SwatchGrid grid;
  EXPECT_EQ(grid.Fills()[0], SwatchGrid::kWhite);
  EXPECT_EQ(grid.Borders()[0], SwatchGrid::kBlack);

  grid.Fill(std::vector<std::uint32_t>(256, 0x123456));
  grid.Reset();
  grid.Fill({0x0000FF, 0x00FF00, 0xFF0000, 0x000000});
  EXPECT_EQ(grid.Fills()[0], 0x0000FFu);
  EXPECT_EQ(grid.Fills()[3], 0x000000u);
  for (int i = 4; i < SwatchGrid::kCount; ++i)
    EXPECT_EQ(grid.Fills()[i], SwatchGrid::kWhite) << i;

  // Never more than 256 swatches, whatever the table holds.
  grid.Fill(std::vector<std::uint32_t>(300, 0x010101));
  EXPECT_EQ(grid.Fills()[255], 0x010101u);
}

TEST(SwatchGridTest, OnlyThePointedSwatchHasTheLightBorder) {
  SwatchGrid grid;
  grid.Point(5);
  grid.Point(16);
  for (int i = 0; i < SwatchGrid::kCount; ++i)
    EXPECT_EQ(grid.Borders()[i], i == 16 ? 0xECECECu : SwatchGrid::kBlack) << i;
  grid.ClearPointer();
  EXPECT_EQ(grid.Borders()[16], SwatchGrid::kBlack);
}

TEST(SwatchGridTest, ColorDetailIsTheIndexAndTheFiveSixFiveValue) {
  EXPECT_EQ(ColorDetailText(0, 0x0000FF), "Index: 0  5-6-5: 0xF800");  // pure red
  EXPECT_EQ(ColorDetailText(255, 0xFF0000), "Index: 255  5-6-5: 0x001F");
  EXPECT_EQ(ColorDetailText(7, 0x07FC04), "Index: 7  5-6-5: 0x07E0");
}

TEST(SwatchGridTest, ColorTextIsRedGreenBlueOfTheStoredColor) {
  EXPECT_EQ(ColorText(0x0000FF), "Color: 0xFF0000");  // pure red
  EXPECT_EQ(ColorText(0xFF0000), "Color: 0x0000FF");  // pure blue
  EXPECT_EQ(ColorText(0x00FF00), "Color: 0x00FF00");
  EXPECT_EQ(ColorText(0xFFFFFF), "Color: 0xFFFFFF");
  EXPECT_EQ(ColorText(0x0A0B0C), "Color: 0x0C0B0A");
  EXPECT_EQ(ColorText(0xFF000000), "Color: 0x000000");  // a stray high byte is no color
  EXPECT_EQ(PaletteCountText(16), "Palette Colors: 16");
}

}  // namespace
}  // namespace pixmora

#include "image/ResizeFieldLink.h"

#include <gtest/gtest.h>

namespace pixmora {
namespace {

TEST(ResizeFieldLinkTest, OnlyTheFieldBeingEditedDrivesTheOther) {
  ResizeFieldLink link;
  link.Open(2, 1);
  link.EnterWidth();
  EXPECT_EQ(link.HeightFor(5, true), 2);            // 2.5, ties to even
  EXPECT_EQ(link.WidthFor(2, true), std::nullopt);  // so the typed 5 is not rounded back to 4
  link.LeaveWidth();
  link.EnterHeight();
  EXPECT_EQ(link.WidthFor(3, true), 6);
  EXPECT_EQ(link.HeightFor(6, true), std::nullopt);
  EXPECT_EQ(link.WidthFor(3, false), std::nullopt);
  link.Pause();  // while the window fills both fields
  EXPECT_EQ(link.WidthFor(3, true), std::nullopt);
}

TEST(ResizeFieldLinkTest, TheOtherFieldStaysWithinItsRange) {
  ResizeFieldLink link;
  link.Open(65535, 1);
  EXPECT_EQ(link.WidthFor(2, true), 65535);
  link.Open(1, 65535);
  EXPECT_EQ(link.HeightFor(65535, true), 65535);
  // An empty image has no ratio; the fields stay apart instead of taking infinite values.
  link.Open(5, 0);
  EXPECT_EQ(link.WidthFor(3, true), std::nullopt);
  link.Open(0, 5);
  EXPECT_EQ(link.HeightFor(3, true), std::nullopt);
}

}  // namespace
}  // namespace pixmora

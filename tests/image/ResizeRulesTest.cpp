#include "image/ResizeRules.h"

#include <gtest/gtest.h>

namespace pixmora {
namespace {

TEST(ResizeRulesTest, KeepsTheAspectRatioWithTiesToEven) {
  const double photo = AspectRatio(640, 480);
  EXPECT_EQ(HeightForWidth(100, photo), 75);
  EXPECT_EQ(HeightForWidth(101, photo), 76);  // 75.75
  EXPECT_EQ(WidthForHeight(3, AspectRatio(2, 1)), 6);
  EXPECT_EQ(HeightForWidth(5, AspectRatio(1, 2)), 10);
  EXPECT_EQ(HeightForWidth(5, AspectRatio(2, 1)), 2);  // 2.5
  EXPECT_EQ(HeightForWidth(7, AspectRatio(2, 1)), 4);  // 3.5
}

TEST(ResizeRulesTest, ParsesOnlyDecimalIntegers) {
  EXPECT_EQ(ParseSizeText("320"), 320);
  EXPECT_EQ(ParseSizeText("+7"), 7);
  EXPECT_EQ(ParseSizeText("-12"), -12);
  for (const char* bad : {"", "-", "12a", " 12", "0x10", "1.5", "99999999999999999999999"}) {
    EXPECT_FALSE(ParseSizeText(bad).has_value()) << bad;
  }
}

TEST(ResizeRulesTest, FieldKeepsItsValueForUnusableText) {
  EXPECT_EQ(SizeFieldValue("0", 50), 0);
  EXPECT_EQ(SizeFieldValue("65535", 50), 65535);
  EXPECT_EQ(SizeFieldValue("65536", 50), 50);
  EXPECT_EQ(SizeFieldValue("-1", 50), 50);
  EXPECT_EQ(SizeFieldValue("abc", 50), 50);
}

TEST(ResizeRulesTest, NewSizeMustBeWholeNumbersFromOneTo65535) {
  const TNewSize ok = CheckNewSize("65535", "1");
  EXPECT_TRUE(ok.Ok());
  EXPECT_EQ(ok.Width, 65535);
  EXPECT_EQ(ok.Height, 1);

  EXPECT_EQ(CheckNewSize("0", "10").Message,
            "The new width \"0\" is not a whole number from 1 to 65535.");
  EXPECT_EQ(CheckNewSize("10", "-3").Message,
            "The new height \"-3\" is not a whole number from 1 to 65535.");
  EXPECT_FALSE(CheckNewSize("", "10").Ok());
  EXPECT_FALSE(CheckNewSize("ten", "10").Ok());
  EXPECT_FALSE(CheckNewSize("10", "65536").Ok());
}

}  // namespace
}  // namespace pixmora

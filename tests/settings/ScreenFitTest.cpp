#include "settings/ScreenFit.h"

#include <gtest/gtest.h>

namespace pixmora {
namespace {

// A work area above a 40-pixel task bar, and a second screen to its right.
const std::vector<WindowBounds> kScreens{{0, 0, 1920, 1040}, {1920, 0, 1280, 1024}};

void ExpectBounds(const WindowBounds& got, const WindowBounds& expected) {
  EXPECT_EQ(got.left, expected.left);
  EXPECT_EQ(got.top, expected.top);
  EXPECT_EQ(got.width, expected.width);
  EXPECT_EQ(got.height, expected.height);
}

TEST(FitOnScreens, AWindowThatFitsStaysWhereItIs) {
  ExpectBounds(FitOnScreens({100, 50, 800, 609}, {}, kScreens), {100, 50, 800, 609});
  ExpectBounds(FitOnScreens({2000, 10, 800, 609}, {}, kScreens), {2000, 10, 800, 609});
  ExpectBounds(FitOnScreens({-2000, 99999, 1, 1}, {}, {}), {-2000, 99999, 1, 1});
}

TEST(FitOnScreens, AWindowOffEveryScreenComesToThePrimaryOne) {
  ExpectBounds(FitOnScreens({-2000, 50, 800, 609}, {}, kScreens), {0, 50, 800, 609});
  ExpectBounds(FitOnScreens({5000, -300, 800, 609}, {}, kScreens), {1120, 0, 800, 609});
}

TEST(FitOnScreens, AWindowPartlyOffAScreenMovesIntoTheScreenItOverlapsMost) {
  // Most of it lies on the second screen, whose right edge it crosses.
  ExpectBounds(FitOnScreens({2900, 500, 800, 609}, {}, kScreens), {2400, 415, 800, 609});
  // Its frame counts: the title bar and the borders stay on the screen too.
  ExpectBounds(FitOnScreens({1200, 900, 700, 300}, {2, 20, 2, 2}, kScreens), {1200, 718, 700, 300});
}

TEST(FitOnScreens, AWindowLargerThanItsScreenTakesTheScreensSize) {
  ExpectBounds(FitOnScreens({0, 0, 800, 99999}, {}, kScreens), {0, 0, 800, 1040});
  ExpectBounds(FitOnScreens({10, 10, 99999, 99999}, {4, 24, 4, 4}, kScreens), {0, 0, 1912, 1012});
  ExpectBounds(FitOnScreens({10, 10, 0, -5}, {4, 24, 4, 4}, kScreens), {10, 10, 1, 1});
}

}  // namespace
}  // namespace pixmora

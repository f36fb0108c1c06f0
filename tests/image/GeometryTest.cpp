#include "image/Geometry.h"

#include <gtest/gtest.h>

#include <random>

namespace pixmora {
namespace {

TBitmap32 FromRows(int width, int height, std::vector<std::uint32_t> pixels) {
  TBitmap32 image(width, height);
  image.Pixels() = std::move(pixels);
  return image;
}

TBitmap32 Noise(int width, int height) {
  std::mt19937 random(7);
  TBitmap32 image(width, height);
  for (auto& p : image.Pixels())
    p = random();
  return image;
}

TEST(RotateTest, QuarterTurnsMoveEveryPixel) {
  const TBitmap32 source = FromRows(3, 2, {1, 2, 3, 4, 5, 6});
  EXPECT_EQ(RotateRight(source), FromRows(2, 3, {4, 1, 5, 2, 6, 3}));
  EXPECT_EQ(RotateLeft(source), FromRows(2, 3, {3, 6, 2, 5, 1, 4}));
}

TEST(RotateTest, RoundTripsRestoreTheImage) {
  // Larger than one tile of the rotation, with sides that are not multiples of it.
  const TBitmap32 source = Noise(100, 40);
  const TBitmap32 right = RotateRight(source);
  EXPECT_EQ(right.Width(), 40);
  EXPECT_EQ(right.Height(), 100);
  EXPECT_EQ(right.Pixel(0, 0), source.Pixel(0, 39));
  EXPECT_EQ(right.Pixel(39, 99), source.Pixel(99, 0));
  EXPECT_EQ(RotateLeft(right), source);
  EXPECT_EQ(RotateRight(RotateRight(RotateRight(right))), source);
  EXPECT_EQ(RotateLeft(RotateLeft(RotateLeft(RotateLeft(source)))), source);

  const TBitmap32 big = Noise(130, 67);
  EXPECT_EQ(RotateRight(RotateLeft(big)), big);
}

TEST(FlipTest, MirrorsAndRestores) {
  TBitmap32 image = FromRows(3, 3, {1, 2, 3, 4, 5, 6, 7, 8, 9});
  FlipHorizontal(image);
  EXPECT_EQ(image, FromRows(3, 3, {3, 2, 1, 6, 5, 4, 9, 8, 7}));
  FlipVertical(image);  // the middle row of an odd height stays
  EXPECT_EQ(image, FromRows(3, 3, {9, 8, 7, 6, 5, 4, 3, 2, 1}));

  const TBitmap32 source = Noise(10, 4);
  TBitmap32 twice = source;
  FlipVertical(twice);
  FlipVertical(twice);
  FlipHorizontal(twice);
  FlipHorizontal(twice);
  EXPECT_EQ(twice, source);
}

TEST(ConstrainCropRectTest, SnapsToWholePixelsInsideTheImage) {
  // Ties go to the even neighbour.
  EXPECT_EQ(ConstrainCropRect({2.5f, 3.5f, 10.5f, 11.5f}, 100, 50), (TCropRect{2, 4, 10, 12}));
  EXPECT_EQ(ConstrainCropRect({-7, -1, 140, 80}, 100, 50), (TCropRect{0, 0, 100, 50}));
  // A selection pushed past the far edges keeps one pixel inside.
  EXPECT_EQ(ConstrainCropRect({120, 60, -4, -2}, 100, 50), (TCropRect{99, 49, 1, 1}));
}

TEST(ConstrainCropRectTest, SelectionAtThreeHundredPercentZoom) {
  const float zoom = 3.0f;
  auto fromView = [zoom](float l, float t, float r, float b) {
    return TCropRect{l / zoom, t / zoom, r / zoom, b / zoom};
  };
  TBitmap32 image(100, 50);
  for (int y = 0; y < 50; ++y) {
    for (int x = 0; x < 100; ++x)
      image.SetPixel(x, y, y * 1000 + x);
  }
  // View (31, 16)-(92, 77) lies over image (10.33, 5.33)-(30.67, 25.67).
  const TCropRect rect = ConstrainCropRect(fromView(31, 16, 92, 77), 100, 50);
  EXPECT_EQ(rect, (TCropRect{10, 5, 31, 26}));
  ASSERT_TRUE(CropImage(image, rect).Ok);
  EXPECT_EQ(image.Width(), 21);
  EXPECT_EQ(image.Height(), 21);
  EXPECT_EQ(image.Pixel(0, 0), 5010u);
  EXPECT_EQ(image.Pixel(20, 20), 25030u);

  // Dragging the right edge far beyond the image stops at its width.
  EXPECT_EQ(ConstrainCropRect(fromView(0, 0, 700, 30), 100, 50).Right, 100.0f);
}

TEST(CropImageTest, CopiesTheSelectedPixels) {
  TBitmap32 image(40, 30);
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 40; ++x)
      image.SetPixel(x, y, 0xFF000000u | (y << 8) | x);
  }
  const TBitmap32 original = image;
  ASSERT_TRUE(CropImage(image, {10, 5, 30, 25}).Ok);
  ASSERT_EQ(image.Width(), 20);
  ASSERT_EQ(image.Height(), 20);
  EXPECT_EQ(image.Pixel(0, 0), original.Pixel(10, 5));
  EXPECT_EQ(image.Pixel(19, 19), original.Pixel(29, 24));

  TBitmap32 whole = original;
  ASSERT_TRUE(CropImage(whole, WholeImageRect(40, 30)).Ok);
  EXPECT_EQ(whole, original);
}

TEST(CropImageTest, RefusesEmptyAndOutsideSelections) {
  const TBitmap32 original = Noise(40, 30);
  TBitmap32 image = original;
  const TCropResult empty = CropImage(image, {10, 5, 10.4f, 25});
  EXPECT_FALSE(empty.Ok);
  EXPECT_NE(empty.Message.find("empty"), std::string::npos);
  const TCropResult outside = CropImage(image, {30, 5, 50, 25});
  EXPECT_FALSE(outside.Ok);
  EXPECT_NE(outside.Message.find("40 x 30"), std::string::npos);
  EXPECT_EQ(image, original);
}

}  // namespace
}  // namespace pixmora

#include "image/CropDrag.h"

#include <gtest/gtest.h>

namespace pixmora {
namespace {

constexpr TCropRect kMiddle{10, 10, 30, 20};  // in a 40 x 30 picture

TCropRect Drag(CropGrip grip, float dx, float dy) {
  return DragCropRect(grip, kMiddle, 15, 15, 15 + dx, 15 + dy, 40, 30);
}

TEST(CropDragTest, EachHandleMovesItsSidesOnlyAndTurnsOverPastTheOppositeSide) {
  EXPECT_EQ(Drag(CropGrip::Left, -4, 7), (TCropRect{6, 10, 30, 20}));
  EXPECT_EQ(Drag(CropGrip::Right, 4, 7), (TCropRect{10, 10, 34, 20}));
  EXPECT_EQ(Drag(CropGrip::Top, 7, -4), (TCropRect{10, 6, 30, 20}));
  EXPECT_EQ(Drag(CropGrip::Bottom, 7, 4), (TCropRect{10, 10, 30, 24}));
  EXPECT_EQ(Drag(CropGrip::TopLeft, -2, -3), (TCropRect{8, 7, 30, 20}));
  EXPECT_EQ(Drag(CropGrip::TopRight, 2, -3), (TCropRect{10, 7, 32, 20}));
  EXPECT_EQ(Drag(CropGrip::BottomLeft, -2, 3), (TCropRect{8, 10, 30, 23}));
  EXPECT_EQ(Drag(CropGrip::BottomRight, 2.4f, 2.6f), (TCropRect{10, 10, 32, 23}));
  // The left side dragged 25 pixels right passes the right side at 30: 30 to 35.
  EXPECT_EQ(Drag(CropGrip::Left, 25, 0), (TCropRect{30, 10, 35, 20}));
  // Past the picture's edge a handle stops at it.
  EXPECT_EQ(Drag(CropGrip::BottomRight, 100, 100), (TCropRect{10, 10, 40, 30}));
}

TEST(CropDragTest, MovingAgainstAnEdgeShrinksTheSelectionThere) {
  EXPECT_EQ(Drag(CropGrip::Move, 5, -2), (TCropRect{15, 8, 35, 18}));
  EXPECT_EQ(Drag(CropGrip::Move, -14, 0), (TCropRect{0, 10, 16, 20}));
  EXPECT_EQ(Drag(CropGrip::Move, 15, 0), (TCropRect{25, 10, 40, 20}));
  EXPECT_EQ(Drag(CropGrip::Move, 0, -13), (TCropRect{10, 0, 30, 7}));
  EXPECT_EQ(Drag(CropGrip::Move, 0, 15), (TCropRect{10, 25, 30, 30}));
  // Dragged all the way out, a pixel stays at the edge.
  EXPECT_EQ(Drag(CropGrip::Move, 100, 0), (TCropRect{39, 10, 40, 20}));
}

TEST(CropDragTest, DrawingAndTypingMakeANewSelectionInAnyDirection) {
  EXPECT_EQ(DragCropRect(CropGrip::Draw, kMiddle, 5, 6, 2.4f, 1.6f, 40, 30),
            (TCropRect{2, 2, 5, 6}));
  EXPECT_EQ(DragCropRect(CropGrip::Draw, kMiddle, 35, 25, 50, -5, 40, 30),
            (TCropRect{35, 0, 40, 25}));
  EXPECT_EQ(CropRectOf(4, 5, 10, 6, 40, 30), (TCropRect{4, 5, 14, 11}));
  EXPECT_EQ(CropRectOf(30, 25, 50, 50, 40, 30), (TCropRect{30, 25, 40, 30}));
}

}  // namespace
}  // namespace pixmora

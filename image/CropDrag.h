#pragma once

#include "image/Geometry.h"

namespace pixmora {

// What a press on the image view grabs of the crop selection: one of its eight handles, its
// inside (to move it), or the picture outside it (to draw a new one).
enum class CropGrip {
  Draw,
  Move,
  Left,
  Top,
  Right,
  Bottom,
  TopLeft,
  TopRight,
  BottomLeft,
  BottomRight
};

// The selection a drag proposes, in image pixels, from the selection at the press and the
// pointer's image positions at the press and now; it passes ConstrainCropRect. A handle dragged
// past the opposite side turns the selection over instead of making it negative.
TCropRect DragCropRect(CropGrip grip, const TCropRect& atPress, float pressX, float pressY, float x,
                       float y, int width, int height);

// The selection typed as left, top, width and height, constrained the same way.
TCropRect CropRectOf(int left, int top, int width, int height, int imageWidth, int imageHeight);

}  // namespace pixmora

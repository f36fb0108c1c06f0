#include "image/CropDrag.h"

#include <utility>

namespace pixmora {

namespace {

bool MovesLeft(CropGrip grip) {
  return grip == CropGrip::Left || grip == CropGrip::TopLeft || grip == CropGrip::BottomLeft;
}
bool MovesRight(CropGrip grip) {
  return grip == CropGrip::Right || grip == CropGrip::TopRight || grip == CropGrip::BottomRight;
}
bool MovesTop(CropGrip grip) {
  return grip == CropGrip::Top || grip == CropGrip::TopLeft || grip == CropGrip::TopRight;
}
bool MovesBottom(CropGrip grip) {
  return grip == CropGrip::Bottom || grip == CropGrip::BottomLeft || grip == CropGrip::BottomRight;
}

TCropRect Ordered(TCropRect r) {
  if (r.Right < r.Left)
    std::swap(r.Left, r.Right);
  if (r.Bottom < r.Top)
    std::swap(r.Top, r.Bottom);
  return r;
}

}  // namespace

TCropRect DragCropRect(CropGrip grip, const TCropRect& atPress, float pressX, float pressY, float x,
                       float y, int width, int height) {
  const float dx = x - pressX;
  const float dy = y - pressY;
  TCropRect proposed = atPress;
  switch (grip) {
    case CropGrip::Draw:
      proposed = {pressX, pressY, x, y};
      break;
    case CropGrip::Move:
      // Not held back at an edge: ConstrainCropRect cuts it off there.
      proposed = {atPress.Left + dx, atPress.Top + dy, atPress.Right + dx, atPress.Bottom + dy};
      break;
    default:
      if (MovesLeft(grip))
        proposed.Left += dx;
      if (MovesRight(grip))
        proposed.Right += dx;
      if (MovesTop(grip))
        proposed.Top += dy;
      if (MovesBottom(grip))
        proposed.Bottom += dy;
      break;
  }
  return ConstrainCropRect(Ordered(proposed), width, height);
}

TCropRect CropRectOf(int left, int top, int width, int height, int imageWidth, int imageHeight) {
  const TCropRect typed{static_cast<float>(left), static_cast<float>(top),
                        static_cast<float>(left) + static_cast<float>(width),
                        static_cast<float>(top) + static_cast<float>(height)};
  return ConstrainCropRect(Ordered(typed), imageWidth, imageHeight);
}

}  // namespace pixmora

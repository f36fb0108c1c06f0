#pragma once

#include <string>

#include "image/TBitmap32.h"

namespace pixmora {

// A selection in working-image pixels; Right and Bottom are exclusive.
struct TCropRect {
  float Left = 0;
  float Top = 0;
  float Right = 0;
  float Bottom = 0;

  bool operator==(const TCropRect&) const = default;
};

// The selection that covers a whole image of the given size.
TCropRect WholeImageRect(int width, int height);

TBitmap32 RotateRight(const TBitmap32& source);
TBitmap32 RotateLeft(const TBitmap32& source);
void FlipHorizontal(TBitmap32& image);
void FlipVertical(TBitmap32& image);

// Snaps a proposed selection to whole pixels inside a width x height image. Moving it against an
// edge shrinks it there.
TCropRect ConstrainCropRect(TCropRect proposed, int width, int height);

struct TCropResult {
  bool Ok = false;
  std::string Message;  // why the crop was refused
};

// Replaces image by the pixels under rect. A rectangle that is empty after rounding, or that
// reaches outside the image, is refused and the image stays whole.
TCropResult CropImage(TBitmap32& image, const TCropRect& rect);

}  // namespace pixmora

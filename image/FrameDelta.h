#pragma once

#include "image/TBitmap32.h"

namespace pixmora {

struct FrameRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  bool Empty() const { return width == 0 || height == 0; }
  bool operator==(const FrameRect&) const = default;
};

// The smallest rectangle around every pixel whose color or coverage differs between two frames
// of one size; empty when none does.
FrameRect ChangedRect(const TBitmap32& previous, const TBitmap32& next);

// The pixels of `rect` (inside the image), with their coverage.
TBitmap32 CropFrame(const TBitmap32& image, FrameRect rect);

}  // namespace pixmora

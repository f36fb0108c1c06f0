#pragma once

#include <cstddef>
#include <vector>

#include "targets/TargetSettings.h"

namespace pixmora {

// How a target's output was written: the choices that its bytes do not carry.
struct TargetLayout {
  TargetKind target = TargetKind::Rgb565;
  LvglFormat colorFormat = LvglFormat::RGB565;
  bool swapBytes = false;
  bool mask = false;
  bool invert = false;
  int width = 0;  // 0: not known; a text's size macros or an LVGL header give it
  int height = 0;
  int stride = 0;  // lvgl9: bytes from one row to the next; 0: the row's bytes raised to `align`
  int align = 1;

  bool operator==(const TargetLayout&) const = default;
};

TargetLayout TargetLayoutOf(const TargetSettings& settings, int width, int height);

// I1, I2, I4 and I8: a palette of 2^bpp colors ahead of the rows of indices.
bool IsLvglIndexed(LvglFormat format);
// The bytes of one row of an LVGL 9 image's first plane, before any alignment.
std::size_t LvglRowBytes(LvglFormat format, int width);
// The stride of the layout's LVGL image.
std::size_t LvglStride(const TargetLayout& layout);

// One array of a target's output as its layout makes it.
struct PlaneShape {
  const char* role;  // for messages: "the pixels", "the mask", "the color map"
  bool words;        // 16-bit values, else bytes
  std::size_t count;
};

// The arrays of the output in their order: for lvgl9 the one map of bytes the descriptor points
// at (palette, rows, alpha plane), without the image header.
std::vector<PlaneShape> PlaneShapes(const TargetLayout& layout);

}  // namespace pixmora

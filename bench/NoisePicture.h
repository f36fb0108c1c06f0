#pragma once

#include <cstdint>

#include "image/TBitmap32.h"

namespace pixmora {

// Opaque noise, so that no value is cheaper to write or read than another.
inline TBitmap32 NoisePicture(int width, int height) {
  TBitmap32 picture(width, height);
  std::uint32_t state = 0x9E3779B9u;
  for (std::uint32_t& pixel : picture.Pixels()) {
    state = state * 1664525u + 1013904223u;
    pixel = 0xFF000000u | (state >> 8);
  }
  return picture;
}

}  // namespace pixmora

#pragma once

#include <cstdint>
#include <string>

#include "image/TBitmap32.h"

namespace pixmora {

// The picture as a PNG file: 8-bit RGB, or RGBA when a pixel's alpha is not 255 (its color
// straight). Fails, with libpng's reason, only for an empty picture or when memory runs out.
struct PngFile {
  std::string bytes;
  std::string error;
};
PngFile EncodePng(const TBitmap32& picture);

// Every pixel repeated `scale` times across and down.
TBitmap32 ScaleNearest(const TBitmap32& picture, int scale);

}  // namespace pixmora

#pragma once

#include <cstdint>
#include <vector>

#include "image/FastColorLookup.h"
#include "image/TBitmap32.h"

namespace pixmora {

// Floyd-Steinberg error diffusion in serpentine order (even rows left to right, odd rows right
// to left), in integers, with the errors of the row below kept in W + 2 cells per channel.
class TFloydSteinbergDitherer {
 public:
  // Maps every pixel of image to a palette index of lookup; indices holds W x H entries.
  static void Dither(const TBitmap32& image, TFastColorLookup& lookup, std::uint8_t* indices);

 private:
  struct TChannelError {
    std::vector<int> E;
    int RowCarry = 0;
    int BelowError = 0;
    int BelowPrevError = 0;
  };
};

}  // namespace pixmora

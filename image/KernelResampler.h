#pragma once

#include <cstdint>
#include <vector>

#include "image/TBitmap32.h"

namespace pixmora {

// f(x) = 1 for -0.5 <= x <= 0.5: each destination pixel takes the source pixel under its centre.
struct TBoxKernel {
  static float Filter(float x) { return (x >= -0.5f && x <= 0.5f) ? 1.0f : 0.0f; }
};

// f(x) = 1 - |x| for -1 < x < 1: a triangle that blends the two nearest source pixels.
struct TLinearKernel {
  static float Filter(float x) {
    const float a = x < 0 ? -x : x;
    return a < 1.0f ? 1.0f - a : 0.0f;
  }
};

enum class ResampleFilter { Box, Linear };

// One source pixel's share of a destination pixel, in 8.8 fixed point.
struct TResampleWeight {
  int Source;
  int Weight;

  bool operator==(const TResampleWeight&) const = default;
};

// The weight lists of every destination index along one axis, stored flat.
struct TAxisWeights {
  std::vector<int> Start;  // entries of index i are Entries[Start[i] .. Start[i + 1])
  std::vector<TResampleWeight> Entries;

  std::vector<TResampleWeight> Of(int i) const {
    return {Entries.begin() + Start[i], Entries.begin() + Start[i + 1]};
  }
};

// Separable resampling in 8.8 fixed point. The weights of each axis sum to exactly 256, so
// uniform areas keep their value; every byte of the pixel (alpha included) is filtered alone.
class TKernelResampler {
 public:
  static TAxisWeights AxisWeights(ResampleFilter filter, int srcSize, int dstSize);

  // Fills the whole of destination (at its current size) from the whole of source.
  static void Resample(const TBitmap32& source, TBitmap32& destination, ResampleFilter filter);
};

}  // namespace pixmora

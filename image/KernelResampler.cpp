#include "image/KernelResampler.h"

#include <algorithm>
#include <cmath>

namespace pixmora {
namespace {

// Rounding to nearest with ties to even (the default floating-point rounding mode).
int RoundEven(float value) {
  return static_cast<int>(std::lrint(value));
}

// The weights are computed in single precision on purpose: the results must not depend on a
// wider intermediate.
template <typename Kernel>
TAxisWeights KernelWeights(int srcSize, int dstSize) {
  TAxisWeights weights;
  weights.Start.reserve(static_cast<std::size_t>(dstSize) + 1);
  const float scale = static_cast<float>(dstSize) / static_cast<float>(srcSize);
  const float invScale = 1.0f / scale;
  for (int i = 0; i < dstSize; ++i) {
    const std::size_t first = weights.Entries.size();
    weights.Start.push_back(static_cast<int>(first));
    if (srcSize == 1) {
      weights.Entries.push_back({0, 256});
      continue;
    }
    const float center = (static_cast<float>(i) + 0.5f) * invScale - 0.5f;
    const bool downsampling = scale < 1.0f;
    const float reach = downsampling ? invScale : 1.0f;
    const int lo = static_cast<int>(std::floor(center - reach));
    const int hi = static_cast<int>(std::ceil(center + reach));
    int sum = 0;
    for (int j = lo; j <= hi; ++j) {
      const float distance = center - static_cast<float>(j);
      const int w = downsampling ? RoundEven(256.0f * scale * Kernel::Filter(distance * scale))
                                 : RoundEven(256.0f * Kernel::Filter(distance));
      if (w == 0)
        continue;
      weights.Entries.push_back({std::clamp(j, 0, srcSize - 1), w});
      sum += w;
    }
    // Only a shrink can leave the list empty: its kernel is too narrow to reach any source pixel.
    if (weights.Entries.size() == first) {
      weights.Entries.push_back(
          {std::clamp(static_cast<int>(std::floor(center)), 0, srcSize - 1), 256});
      sum = 256;
    }
    if (sum != 256) {
      const std::size_t last = weights.Entries.size() - 1 - first;
      weights.Entries[first + last / 2].Weight -= sum - 256;
    }
  }
  weights.Start.push_back(static_cast<int>(weights.Entries.size()));
  return weights;
}

// The two passes together give floor(sum of wx * wy * byte / 65536) over both lists exactly:
// the column sums are kept unscaled in 32-bit integers, one source row's worth at a time. Each
// element is Channels bytes, each filtered alone.
template <int Channels>
void ResampleElements(const std::uint8_t* source, int srcWidth, std::uint8_t* destination,
                      int dstWidth, int dstHeight, const TAxisWeights& columns,
                      const TAxisWeights& rows) {
  const std::size_t rowBytes = static_cast<std::size_t>(srcWidth) * Channels;
  std::vector<std::int32_t> sums(rowBytes);
  for (int y = 0; y < dstHeight; ++y) {
    std::fill(sums.begin(), sums.end(), 0);
    for (int e = rows.Start[y]; e < rows.Start[y + 1]; ++e) {
      const std::uint8_t* in = source + static_cast<std::size_t>(rows.Entries[e].Source) * rowBytes;
      const std::int32_t w = rows.Entries[e].Weight;
      for (std::size_t k = 0; k < rowBytes; ++k)
        sums[k] += w * in[k];
    }
    std::uint8_t* out = destination + static_cast<std::size_t>(y) * dstWidth * Channels;
    for (int x = 0; x < dstWidth; ++x) {
      std::int32_t acc[Channels] = {};
      for (int e = columns.Start[x]; e < columns.Start[x + 1]; ++e) {
        const std::int32_t* s =
            sums.data() + static_cast<std::size_t>(columns.Entries[e].Source) * Channels;
        const std::int32_t w = columns.Entries[e].Weight;
        for (int c = 0; c < Channels; ++c)
          acc[c] += w * s[c];
      }
      // A shrink of more than about 20x with the box kernel leaves a negative weight after the
      // fix-up, which can push the sum out of the byte range.
      for (int c = 0; c < Channels; ++c)
        out[Channels * x + c] = static_cast<std::uint8_t>(std::clamp(acc[c] >> 16, 0, 255));
    }
  }
}

}  // namespace

TAxisWeights TKernelResampler::AxisWeights(ResampleFilter filter, int srcSize, int dstSize) {
  return filter == ResampleFilter::Box ? KernelWeights<TBoxKernel>(srcSize, dstSize)
                                       : KernelWeights<TLinearKernel>(srcSize, dstSize);
}

// A coverage plane is filtered with the same weights, so colors blended over a background and
// their coverage stay a pair: transparency survives a resize.
void TKernelResampler::Resample(const TBitmap32& source, TBitmap32& destination,
                                ResampleFilter filter) {
  if (source.Empty() || destination.Empty())
    return;
  const TAxisWeights columns = AxisWeights(filter, source.Width(), destination.Width());
  const TAxisWeights rows = AxisWeights(filter, source.Height(), destination.Height());
  ResampleElements<4>(reinterpret_cast<const std::uint8_t*>(source.Pixels().data()), source.Width(),
                      reinterpret_cast<std::uint8_t*>(destination.Pixels().data()),
                      destination.Width(), destination.Height(), columns, rows);
  std::vector<std::uint8_t> plane;
  if (source.HasCoveragePlane()) {
    plane.resize(destination.PixelCount());
    ResampleElements<1>(source.CoveragePlane().data(), source.Width(), plane.data(),
                        destination.Width(), destination.Height(), columns, rows);
  }
  destination.SetCoverage(std::move(plane), source.BlendedOver());
}

}  // namespace pixmora

#include "image/Threshold.h"

namespace pixmora {

void ApplyThreshold(const TBitmap32& source, std::uint32_t position, TBitmap32& result) {
  // Taken before the pixels: source and result may be the same image.
  std::vector<std::uint8_t> coverage = source.CoverageCopy();
  if (result.Width() != source.Width() || result.Height() != source.Height()) {
    result.SetSize(source.Width(), source.Height());
  }
  const std::uint32_t* in = source.Pixels().data();
  std::uint32_t* out = result.Pixels().data();
  const std::size_t count = source.PixelCount();
  for (std::size_t i = 0; i < count; ++i) {
    out[i] = PixelColor(in[i]) > position ? 0x00FFFFFFu : 0u;
  }
  result.SetCoverage(std::move(coverage), std::nullopt);
}

}  // namespace pixmora

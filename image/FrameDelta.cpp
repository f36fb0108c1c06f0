#include "image/FrameDelta.h"

#include <algorithm>

namespace pixmora {

FrameRect ChangedRect(const TBitmap32& previous, const TBitmap32& next) {
  int left = next.Width();
  int right = -1;
  int top = next.Height();
  int bottom = -1;
  for (int y = 0; y < next.Height(); ++y) {
    const std::uint32_t* a = previous.Row(y);
    const std::uint32_t* b = next.Row(y);
    const std::size_t row = static_cast<std::size_t>(y) * static_cast<std::size_t>(next.Width());
    for (int x = 0; x < next.Width(); ++x) {
      const std::size_t i = row + static_cast<std::size_t>(x);
      if ((a[x] & 0xFFFFFFu) == (b[x] & 0xFFFFFFu) && previous.Coverage(i) == next.Coverage(i))
        continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = y;
    }
  }
  if (right < 0)
    return {};
  return {left, top, right - left + 1, bottom - top + 1};
}

TBitmap32 CropFrame(const TBitmap32& image, FrameRect rect) {
  TBitmap32 part(rect.width, rect.height);
  const bool plane = image.HasCoveragePlane();
  std::vector<std::uint8_t> coverage;
  for (int y = 0; y < rect.height; ++y) {
    const std::uint32_t* from = image.Row(rect.y + y) + rect.x;
    std::copy(from, from + rect.width, part.Row(y));
    for (int x = 0; plane && x < rect.width; ++x) {
      coverage.push_back(image.Coverage(static_cast<std::size_t>(rect.y + y) * image.Width() +
                                        static_cast<std::size_t>(rect.x + x)));
    }
  }
  if (plane)
    part.SetCoverage(std::move(coverage), image.BlendedOver());
  return part;
}

}  // namespace pixmora

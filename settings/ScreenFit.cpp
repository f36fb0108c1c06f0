#include "settings/ScreenFit.h"

#include <algorithm>
#include <cstdint>

namespace pixmora {

namespace {

// One side of a window: where its frame starts and how much it holds inside the frame.
struct Extent {
  std::int64_t origin;
  std::int64_t inner;
};

std::int64_t Overlap(std::int64_t start, std::int64_t size, std::int64_t areaStart,
                     std::int64_t areaSize) {
  return std::max<std::int64_t>(
      0, std::min(start + size, areaStart + areaSize) - std::max(start, areaStart));
}

// At least one pixel inside the frame, at most what the area holds; then moved into the area.
Extent FitInto(Extent window, std::int64_t frame, std::int64_t start, std::int64_t room) {
  const std::int64_t size = std::clamp(window.inner + frame, frame + 1, std::max(room, frame + 1));
  const std::int64_t origin =
      std::clamp(window.origin, start, std::max(start, start + room - size));
  return {origin, size - frame};
}

}  // namespace

WindowBounds FitOnScreens(const WindowBounds& bounds, const FrameMargins& frame,
                          std::span<const WindowBounds> areas) {
  if (areas.empty())
    return bounds;
  const std::int64_t frameWidth = std::int64_t{frame.left} + frame.right;
  const std::int64_t frameHeight = std::int64_t{frame.top} + frame.bottom;
  const auto overlap = [&](const WindowBounds& area) {
    return Overlap(bounds.left, std::int64_t{bounds.width} + frameWidth, area.left, area.width) *
           Overlap(bounds.top, std::int64_t{bounds.height} + frameHeight, area.top, area.height);
  };
  const WindowBounds* area = &areas.front();
  for (const WindowBounds& candidate : areas) {
    if (overlap(candidate) > overlap(*area))
      area = &candidate;
  }
  const Extent x = FitInto({bounds.left, bounds.width}, frameWidth, area->left, area->width);
  const Extent y = FitInto({bounds.top, bounds.height}, frameHeight, area->top, area->height);
  return {static_cast<int>(x.origin), static_cast<int>(y.origin), static_cast<int>(x.inner),
          static_cast<int>(y.inner)};
}

}  // namespace pixmora

#include "image/ResizeFieldLink.h"

#include <algorithm>
#include <cmath>

#include "image/ResizeRules.h"

namespace pixmora {
namespace {

int ClampToField(long long value) {
  return static_cast<int>(std::clamp<long long>(value, 0, kMaxImageSide));
}

}  // namespace

void ResizeFieldLink::Pause() {
  WidthChangeActive = false;
  HeightChangeActive = false;
}

void ResizeFieldLink::Open(int width, int height) {
  AspectRatio = pixmora::AspectRatio(width, height);
  WidthChangeActive = true;
  HeightChangeActive = true;
}

bool ResizeFieldLink::HasRatio() const {
  return std::isfinite(AspectRatio) && AspectRatio > 0.0;
}

std::optional<int> ResizeFieldLink::HeightFor(int width, bool keepAspectRatio) const {
  if (!WidthChangeActive || !keepAspectRatio || !HasRatio())
    return std::nullopt;
  return ClampToField(HeightForWidth(width, AspectRatio));
}

std::optional<int> ResizeFieldLink::WidthFor(int height, bool keepAspectRatio) const {
  if (!HeightChangeActive || !keepAspectRatio || !HasRatio())
    return std::nullopt;
  return ClampToField(WidthForHeight(height, AspectRatio));
}

}  // namespace pixmora

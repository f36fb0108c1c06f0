#include "decode/TargetLayout.h"

namespace pixmora {

namespace {

std::size_t Ceil(std::size_t a, std::size_t b) {
  return (a + b - 1) / b;
}

}  // namespace

TargetLayout TargetLayoutOf(const TargetSettings& settings, int width, int height) {
  return {.target = settings.target,
          .colorFormat = settings.colorFormat,
          .swapBytes = settings.swapBytes,
          .mask = settings.mask,
          .invert = settings.invert,
          .width = width,
          .height = height,
          .align = settings.align};
}

bool IsLvglIndexed(LvglFormat format) {
  return format == LvglFormat::I1 || format == LvglFormat::I2 || format == LvglFormat::I4 ||
         format == LvglFormat::I8;
}

std::size_t LvglRowBytes(LvglFormat format, int width) {
  const auto w = static_cast<std::size_t>(width);
  if (format == LvglFormat::RGB565A8)
    return 2 * w;
  return Ceil(w * static_cast<std::size_t>(InfoOf(format).bitsPerPixel), 8);
}

std::size_t LvglStride(const TargetLayout& layout) {
  if (layout.stride > 0)
    return static_cast<std::size_t>(layout.stride);
  const auto align = static_cast<std::size_t>(layout.align < 1 ? 1 : layout.align);
  return Ceil(LvglRowBytes(layout.colorFormat, layout.width), align) * align;
}

std::vector<PlaneShape> PlaneShapes(const TargetLayout& layout) {
  const auto w = static_cast<std::size_t>(layout.width);
  const auto h = static_cast<std::size_t>(layout.height);
  const PlaneShape mask{"the mask", false, Ceil(w, 8) * h};
  switch (layout.target) {
    case TargetKind::GfxBitmap:
    case TargetKind::Xbm:
      return {{"the pixels", false, Ceil(w, 8) * h}};
    case TargetKind::Pages:
      return {{"the pixels", false, w * Ceil(h, 8)}};
    case TargetKind::Rgb565:
      if (layout.mask)
        return {{"the pixels", true, w * h}, mask};
      return {{"the pixels", true, w * h}};
    case TargetKind::Gray8:
      if (layout.mask)
        return {{"the pixels", false, w * h}, mask};
      return {{"the pixels", false, w * h}};
    case TargetKind::Rgb332:
      return {{"the pixels", false, w * h}};
    case TargetKind::Gray4:
      return {{"the pixels", false, Ceil(w, 2) * h}};
    case TargetKind::Gray2:
      return {{"the pixels", false, Ceil(w, 4) * h}};
    case TargetKind::Index4:
      return {{"the pixels", false, Ceil(w, 2) * h}, {"the color map", true, 16}};
    case TargetKind::Index8:
      return {{"the pixels", false, w * h}, {"the color map", true, 256}};
    case TargetKind::Lvgl9: {
      const std::size_t stride = LvglStride(layout);
      std::size_t bytes = stride * h;
      if (layout.colorFormat == LvglFormat::RGB565A8)
        bytes += stride / 2 * h;
      if (IsLvglIndexed(layout.colorFormat))
        bytes += std::size_t{4} << InfoOf(layout.colorFormat).bitsPerPixel;
      return {{"the image map", false, bytes}};
    }
    case TargetKind::Classic:
      break;
  }
  return {};
}

}  // namespace pixmora

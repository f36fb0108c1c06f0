#include "targets/TargetKinds.h"

namespace pixmora {

namespace {

using K = TargetKind;
using F = LvglFormat;

// InfoOf indexes the tables by the enum.
constexpr bool TablesInEnumOrder() {
  for (std::size_t i = 0; i < kTargets.size(); ++i) {
    if (static_cast<std::size_t>(kTargets[i].kind) != i)
      return false;
  }
  for (std::size_t i = 0; i < kLvglFormats.size(); ++i) {
    if (static_cast<std::size_t>(kLvglFormats[i].format) != i)
      return false;
  }
  return true;
}
static_assert(TablesInEnumOrder());

TargetTraits LvglTraits(LvglFormat format) {
  TargetTraits t;
  switch (format) {
    case F::RGB565:
    case F::RGB565_SWAPPED:
      t.losesDepth = t.blends = true;
      break;
    case F::RGB888:
    case F::XRGB8888:
      t.blends = true;
      break;
    case F::L8:
      t.blends = t.whiteBackground = true;
      break;
    case F::RGB565A8:
      t.losesDepth = true;
      break;
    case F::ARGB8888:
    case F::A8:
      break;
    case F::I1:
    case F::I2:
    case F::I4:
    case F::I8:
      t.indexBits = InfoOf(format).bitsPerPixel;
      break;
  }
  return t;
}

}  // namespace

TargetTraits TraitsOf(TargetKind kind, LvglFormat format) {
  TargetTraits t;
  switch (kind) {
    case K::Classic:
      break;
    case K::GfxBitmap:
    case K::Xbm:
    case K::Pages:
      t.oneBit = t.losesDepth = t.blends = t.whiteBackground = true;
      t.progmem = kind != K::Pages;
      break;
    case K::Rgb565:
      t.maskable = t.swappable = t.losesDepth = t.blends = t.progmem = true;
      break;
    case K::Rgb332:
      t.losesDepth = t.blends = t.progmem = true;
      break;
    case K::Gray8:
      t.maskable = t.blends = t.whiteBackground = t.progmem = true;
      break;
    case K::Gray4:
    case K::Gray2:
      t.losesDepth = t.blends = t.whiteBackground = t.progmem = true;
      break;
    case K::Index4:
    case K::Index8:
      t.progmem = true;
      t.indexBits = kind == K::Index4 ? 4 : 8;
      break;
    case K::Lvgl9:
      return LvglTraits(format);
  }
  return t;
}

const char* TargetCaption(TargetKind kind) {
  return kind == K::Classic ? "Classic" : InfoOf(kind).name;
}

std::string TargetLabel(TargetKind kind, LvglFormat format) {
  std::string label = InfoOf(kind).name;
  if (kind == K::Lvgl9)
    label += std::string(" --cf ") + InfoOf(format).name;
  return label;
}

}  // namespace pixmora

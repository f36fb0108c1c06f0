#include "decode/ExpectedPictures.h"

#include <vector>

#include "conversion/ColorIndex.h"
#include "decode/ShownColors.h"
#include "decode/TargetPainting.h"
#include "targets/Layouts.h"
#include "targets/PixelRules.h"

namespace pixmora {

namespace {

std::uint32_t ShownClassic(ClassicEncoding encoding, std::uint32_t pixel) {
  const std::uint32_t r = RedOf(pixel), g = GreenOf(pixel), b = BlueOf(pixel);
  switch (encoding) {
    case ClassicEncoding::Color565:
      return Shown565((r >> 3) << 11 | (g >> 2) << 5 | b >> 3);
    case ClassicEncoding::Color444:
      return Shown444(r >> 4, g >> 4, b >> 4);
    case ClassicEncoding::Color332:
      return Shown332((r >> 5) << 5 | (g >> 5) << 2 | b >> 6);
    default:
      return (r | g | b) == 0 ? kShownSetBit : kShownClearBit;
  }
}

// Each row of a pixel rule, shown.
template <class Rule, class Shown>
void Rows(TBitmap32& shown, Rule& rule, Shown show) {
  for (int y = 0; y < shown.Height(); ++y) {
    const auto* values = rule.Row(y);
    std::uint32_t* out = shown.Row(y);
    for (int x = 0; x < shown.Width(); ++x)
      out[x] = show(values[x]);
  }
}

// Pixels the mask does not draw keep their color with alpha 0.
void ApplyMask(const TBitmap32& image, TBitmap32& shown) {
  std::vector<std::uint8_t> bits(static_cast<std::size_t>(image.Width()));
  for (int y = 0; y < image.Height(); ++y) {
    MaskRow(image, y, bits.data());
    std::uint32_t* out = shown.Row(y);
    for (int x = 0; x < image.Width(); ++x) {
      if (bits[static_cast<std::size_t>(x)] == 0)
        out[x] = WithAlpha(out[x], 0);
    }
  }
}

// The colors of RowPlanes as pixels, with their alpha or opaque.
template <class Split>
void PlaneRows(const TBitmap32& image, TBitmap32& shown, bool keepAlpha, Split split) {
  RowPlanes planes(image.Width());
  for (int y = 0; y < image.Height(); ++y) {
    split(y, planes);
    std::uint32_t* out = shown.Row(y);
    for (std::size_t x = 0; x < planes.r.size(); ++x)
      out[x] = MakePixel(planes.r[x], planes.g[x], planes.b[x], keepAlpha ? planes.a[x] : 0xFF);
  }
}

void ExpectedLvgl(const TBitmap32& image, const TargetSettings& s, std::uint32_t background,
                  TBitmap32& shown) {
  using F = LvglFormat;
  switch (s.colorFormat) {
    case F::RGB565:
    case F::RGB565_SWAPPED: {
      PackedColorRule rule(image, 5, 6, 5, s.dither, background);
      Rows(shown, rule, [](std::uint16_t v) { return Shown565(v); });
      return;
    }
    case F::RGB565A8: {
      PackedColorRule rule(image, 5, 6, 5, s.dither, std::nullopt);
      Rows(shown, rule, [](std::uint16_t v) { return Shown565(v); });
      for (std::size_t i = 0; i < shown.PixelCount(); ++i)
        shown.Pixels()[i] = WithAlpha(shown.Pixels()[i], image.Coverage(i));
      return;
    }
    case F::RGB888:
    case F::XRGB8888:
      PlaneRows(image, shown, false,
                [&](int y, RowPlanes& planes) { BlendedRow(image, y, background, planes); });
      return;
    case F::ARGB8888:
      PlaneRows(image, shown, true,
                [&](int y, RowPlanes& planes) { StraightRow(image, y, planes); });
      return;
    case F::L8: {
      GrayRule rule(image, 8, Dither::None, background);
      Rows(shown, rule, [](std::uint8_t v) { return ShownGray(v, 8); });
      return;
    }
    case F::A8:
      for (std::size_t i = 0; i < shown.PixelCount(); ++i)
        shown.Pixels()[i] = MakePixel(0, 0, 0, image.Coverage(i));
      return;
    case F::I1:
    case F::I2:
    case F::I4:
    case F::I8:
      for (std::size_t i = 0; i < shown.PixelCount(); ++i)
        shown.Pixels()[i] = WithAlpha(image.Pixels()[i], 0xFF);
      return;
  }
}

}  // namespace

TBitmap32 ExpectedClassicPicture(const TBitmap32& image, ClassicEncoding encoding,
                                 std::span<const std::uint32_t> table) {
  TBitmap32 shown(image.Width(), image.Height());
  const std::vector<std::uint32_t>& in = image.Pixels();
  std::vector<std::uint32_t>& out = shown.Pixels();
  if (!IsPalette(encoding)) {
    for (std::size_t i = 0; i < in.size(); ++i)
      out[i] = ShownClassic(encoding, in[i]);
    return shown;
  }
  const ColorIndex index(table);
  for (std::size_t i = 0; i < in.size(); ++i) {
    const std::int32_t k = index.Find(PixelColor(in[i]));
    out[i] = k == ColorIndex::kNotFound
                 ? 0
                 : ShownClassic(
                       ClassicEncoding::Color565,
                       MakePixel(table[k] & 0xFF, (table[k] >> 8) & 0xFF, (table[k] >> 16) & 0xFF));
  }
  return shown;
}

TBitmap32 ExpectedTargetPicture(const TBitmap32& image, const TargetSettings& s) {
  TBitmap32 shown(image.Width(), image.Height());
  const std::uint32_t background = BackgroundOf({image, {}, s, {}});
  switch (s.target) {
    case TargetKind::GfxBitmap:
    case TargetKind::Xbm:
    case TargetKind::Pages: {
      // The rule gives the bits as the layout sets them; a set bit is dark unless inverted.
      OneBitRule rule(image, s, background);
      const std::uint32_t set = s.invert ? kShownClearBit : kShownSetBit;
      const std::uint32_t clear = s.invert ? kShownSetBit : kShownClearBit;
      Rows(shown, rule, [=](std::uint8_t bit) { return bit ? set : clear; });
      break;
    }
    case TargetKind::Rgb565: {
      PackedColorRule rule(image, 5, 6, 5, s.dither, background);
      Rows(shown, rule, [](std::uint16_t v) { return Shown565(v); });
      break;
    }
    case TargetKind::Rgb332: {
      PackedColorRule rule(image, 3, 3, 2, s.dither, background);
      Rows(shown, rule, [](std::uint16_t v) { return Shown565(Widen332To565(v)); });
      break;
    }
    case TargetKind::Gray8:
    case TargetKind::Gray4:
    case TargetKind::Gray2: {
      const int bits = s.target == TargetKind::Gray8 ? 8 : s.target == TargetKind::Gray4 ? 4 : 2;
      GrayRule rule(image, bits, bits == 8 ? Dither::None : s.dither, background);
      Rows(shown, rule, [bits](std::uint8_t v) { return ShownGray(v, bits); });
      break;
    }
    case TargetKind::Index4:
    case TargetKind::Index8:
      for (std::size_t i = 0; i < shown.PixelCount(); ++i)
        shown.Pixels()[i] = ShownClassic(ClassicEncoding::Color565, image.Pixels()[i]);
      break;
    case TargetKind::Lvgl9:
      ExpectedLvgl(image, s, background, shown);
      break;
    case TargetKind::Classic:
      break;
  }
  if (s.mask)
    ApplyMask(image, shown);
  return shown;
}

}  // namespace pixmora

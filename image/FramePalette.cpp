#include "image/FramePalette.h"

#include <algorithm>
#include <unordered_set>

#include "image/ColorQuantizer.h"
#include "image/FastColorLookup.h"
#include "image/FloydSteinbergDitherer.h"

namespace pixmora {

SharedPalette FramesPalette(std::span<const AnimationFrame> frames,
                            std::span<const std::uint32_t> palette, int maxColors) {
  const std::unordered_set<std::uint32_t> known(palette.begin(), palette.end());
  bool paletteHoldsAll = palette.size() <= static_cast<std::size_t>(maxColors);
  std::unordered_set<std::uint32_t> seen;
  SharedPalette shared;
  for (const AnimationFrame& frame : frames) {
    for (const std::uint32_t pixel : frame.image.Pixels()) {
      const std::uint32_t color = PixelColor(pixel);
      if (!seen.insert(color).second)
        continue;
      paletteHoldsAll = paletteHoldsAll && known.contains(color);
      shared.colors.push_back(color);
    }
  }
  if (paletteHoldsAll) {
    shared.colors.assign(palette.begin(), palette.end());
  } else if (shared.colors.size() > static_cast<std::size_t>(maxColors)) {
    shared.error = "the frames hold " + std::to_string(shared.colors.size()) +
                   " colors together, more than the " + std::to_string(maxColors) +
                   " of one color table (reduce them with --reduce)";
    shared.colors.clear();
  }
  return shared;
}

std::vector<std::uint32_t> ReduceFrames(std::vector<AnimationFrame>& frames, int bits) {
  TColorQuantizer quantizer(1 << bits);
  for (const AnimationFrame& frame : frames) {
    for (const std::uint32_t pixel : frame.image.Pixels())
      quantizer.AddColor(RedOf(pixel), GreenOf(pixel), BlueOf(pixel));
  }
  const std::vector<TPaletteColor> palette = quantizer.Palette();
  TFastColorLookup lookup(palette);
  std::vector<std::uint8_t> indices;
  for (AnimationFrame& frame : frames) {
    indices.resize(frame.image.PixelCount());
    TFloydSteinbergDitherer::Dither(frame.image, lookup, indices.data());
    std::vector<std::uint32_t>& pixels = frame.image.Pixels();
    for (std::size_t i = 0; i < pixels.size(); ++i) {
      const TPaletteColor& c = palette[indices[i]];
      pixels[i] = (pixels[i] & 0xFF000000u) | (MakePixel(c.R, c.G, c.B) & 0xFFFFFFu);
    }
  }
  std::vector<std::uint32_t> colors;
  for (const TPaletteColor& c : palette)
    colors.push_back(c.R | std::uint32_t{c.G} << 8 | std::uint32_t{c.B} << 16);
  return colors;
}

}  // namespace pixmora

#include "image/QuantizeImage.h"

#include <stdexcept>

#include "image/ColorQuantizer.h"
#include "image/FastColorLookup.h"
#include "image/FloydSteinbergDitherer.h"

namespace pixmora {

TIndexedImage QuantizeImage(const TBitmap32& image, int bits) {
  if (bits < 1 || bits > 8) {
    throw std::invalid_argument("a color reduction needs 1 to 8 bits per pixel");
  }
  TColorQuantizer quantizer(1 << bits);
  for (const std::uint32_t pixel : image.Pixels()) {
    quantizer.AddColor(RedOf(pixel), GreenOf(pixel), BlueOf(pixel));
  }
  TIndexedImage result;
  result.Width = image.Width();
  result.Height = image.Height();
  result.Palette = quantizer.Palette();
  result.Indices.resize(image.PixelCount());
  TFastColorLookup lookup(result.Palette);
  TFloydSteinbergDitherer::Dither(image, lookup, result.Indices.data());
  return result;
}

TBitmap32 IndexedToBitmap(const TIndexedImage& indexed) {
  std::uint32_t colors[256] = {};
  for (std::size_t i = 0; i < indexed.Palette.size() && i < 256; ++i) {
    const TPaletteColor& c = indexed.Palette[i];
    colors[i] = MakePixel(c.R, c.G, c.B);
  }
  TBitmap32 bitmap(indexed.Width, indexed.Height);
  std::uint32_t* out = bitmap.Pixels().data();
  for (std::size_t i = 0; i < indexed.Indices.size(); ++i)
    out[i] = colors[indexed.Indices[i]];
  return bitmap;
}

}  // namespace pixmora

#include "targets/Layouts.h"
#include "targets/PaletteIndices.h"
#include "targets/PixelRules.h"

namespace pixmora {

// Palette indices (index4: two per byte, the left pixel in the high nibble, rows of
// ceil(w / 2) bytes) and a color map of 16 or 256 native 5-6-5 values. The map is read with a
// plain load, so it stays out of program memory.
TargetResult EncodeIndexed(const TargetInput& input) {
  const TargetSettings& s = input.settings;
  const int bits = TraitsOf(s.target, s.colorFormat).indexBits;
  TargetResult result{{}, StartData(input)};
  TargetData& data = result.data;
  IndexedPixels indexed = IndexPixels(input.image, input.palette, bits, data.target);
  if (!indexed.error.empty())
    return {indexed.error, {}};
  const std::string m = data.macroName;
  const int width = input.image.Width();
  const auto bytesPerRow = static_cast<std::size_t>(bits == 4 ? (width + 1) / 2 : width);

  TargetArray array{
      data.name, ElementType::Uint8, s.progmem,
      bits == 4 ? "(" + m + "_WIDTH + 1) / 2 * " + m + "_HEIGHT" : m + "_WIDTH * " + m + "_HEIGHT"};
  if (bits == 8) {
    array.bytes = std::move(indexed.indices);
  } else {
    array.bytes.resize(bytesPerRow * static_cast<std::size_t>(input.image.Height()));
    for (int y = 0; y < input.image.Height(); ++y) {
      PackRow(indexed.indices.data() + static_cast<std::size_t>(y) * width, width, 4,
              array.bytes.data() + static_cast<std::size_t>(y) * bytesPerRow);
    }
  }
  const std::size_t entries = std::size_t{1} << bits;
  TargetArray map{data.name + "_cmap", ElementType::Uint16, false, std::to_string(entries)};
  map.words.assign(entries, 0);
  for (std::size_t k = 0; k < indexed.palette.size(); ++k)
    map.words[k] = Rgb565Of(indexed.palette[k]);

  std::string layout = bits == 4
                           ? "4-bit palette indices; rows of " + std::to_string(bytesPerRow) +
                                 " bytes, the left pixel in the high nibble"
                           : "8-bit palette indices, one byte per pixel, stride " + m + "_WIDTH";
  if (bits == 4 && width % 2 != 0)
    layout += "; a row ends with an unused low nibble of 0";
  data.notes = {layout,
                map.name + ": " + std::to_string(entries) + " native 5-6-5 colors, " +
                    std::to_string(indexed.palette.size()) + " of them used",
                "Transparency is not kept: each pixel is the palette entry of its color"};
  data.drawCalls = {"TFT_eSPI: tft.pushImage(x, y, " + m + "_WIDTH, " + m + "_HEIGHT, " +
                    data.name + (bits == 4 ? ", false" : ", true") + ", (uint16_t *)" + map.name +
                    ");"};
  data.arrays.push_back(std::move(array));
  data.arrays.push_back(std::move(map));
  return result;
}

}  // namespace pixmora

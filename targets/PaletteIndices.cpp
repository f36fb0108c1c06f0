#include "targets/PaletteIndices.h"

#include <algorithm>

#include "conversion/ColorIndex.h"

namespace pixmora {

namespace {

// How to get down to 2^bits colors.
std::string Fix(int bits) {
  switch (bits) {
    case 8:
      return "--reduce 256";
    case 4:
      return "--reduce 16";
    case 2:
      return "--reduce 4";
    default:
      return "--threshold N";
  }
}

// Indexes every pixel through the table; false at the first color it lacks.
bool IndexThrough(const TBitmap32& image, std::span<const std::uint32_t> table,
                  std::vector<std::uint8_t>& indices) {
  const ColorIndex index(table);
  indices.resize(image.PixelCount());
  std::uint32_t lastColor = 0xFFFFFFFFu;
  std::int32_t lastIndex = 0;
  const std::uint32_t* pixels = image.Pixels().data();
  for (std::size_t i = 0; i < indices.size(); ++i) {
    const std::uint32_t color = PixelColor(pixels[i]);
    if (color != lastColor) {
      lastIndex = index.Find(color);
      if (lastIndex == ColorIndex::kNotFound)
        return false;
      lastColor = color;
    }
    indices[i] = static_cast<std::uint8_t>(lastIndex);
  }
  return true;
}

// The colors of the picture in the order they first appear, while there are at most `limit`.
bool CollectColors(const TBitmap32& image, std::size_t limit, std::vector<std::uint32_t>& colors) {
  colors.clear();
  std::uint32_t lastColor = 0xFFFFFFFFu;
  for (const std::uint32_t pixel : image.Pixels()) {
    const std::uint32_t color = PixelColor(pixel);
    if (color == lastColor)
      continue;
    lastColor = color;
    if (std::find(colors.begin(), colors.end(), color) != colors.end())
      continue;
    if (colors.size() == limit)
      return false;
    colors.push_back(color);
  }
  return true;
}

}  // namespace

IndexedPixels IndexPixels(const TBitmap32& image, std::span<const std::uint32_t> palette, int bits,
                          const std::string& label) {
  const std::size_t limit = std::size_t{1} << bits;
  IndexedPixels result;
  if (!palette.empty() && palette.size() <= limit && IndexThrough(image, palette, result.indices)) {
    result.palette.assign(palette.begin(), palette.end());
    return result;
  }
  if (!CollectColors(image, limit, result.palette) ||
      !IndexThrough(image, result.palette, result.indices)) {
    result.palette.clear();
    result.indices.clear();
    result.error = label + " needs at most " + std::to_string(limit) +
                   " colors; reduce colors first (" + Fix(bits) + ")";
  }
  return result;
}

}  // namespace pixmora

#include "image/codecs/GifInput.h"

#include <algorithm>
#include <cstring>

namespace pixmora {

int ReadGifInput(GifFileType* gif, GifByteType* out, int length) {
  auto& input = *static_cast<GifInput*>(gif->UserData);
  const std::size_t count =
      std::min(static_cast<std::size_t>(std::max(length, 0)), input.file.size() - input.position);
  std::memcpy(out, input.file.data() + input.position, count);
  input.position += count;
  return static_cast<int>(count);
}

void CloseGif::operator()(GifFileType* gif) const {
  int error = 0;
  DGifCloseFile(gif, &error);
}

std::string GifReason(int giflibError) {
  const char* text = GifErrorString(giflibError);
  return text != nullptr ? text : "unknown giflib error " + std::to_string(giflibError);
}

std::uint32_t OpaqueGifPixel(const GifColorType& c) {
  return 0xFF000000u | std::uint32_t{c.Red} << 16 | std::uint32_t{c.Green} << 8 | c.Blue;
}

std::vector<std::uint32_t> GifPaletteOf(const ColorMapObject* map) {
  std::vector<std::uint32_t> colors;
  for (int i = 0; i < map->ColorCount; ++i) {
    const GifColorType& c = map->Colors[i];
    colors.push_back(std::uint32_t{c.Blue} << 16 | std::uint32_t{c.Green} << 8 | c.Red);
  }
  return colors;
}

std::vector<int> GifRowOrder(int height, bool interlaced) {
  std::vector<int> order;
  order.reserve(static_cast<std::size_t>(height));
  constexpr int kStart[] = {0, 4, 2, 1};
  constexpr int kStep[] = {8, 8, 4, 2};
  for (int pass = 0; pass < (interlaced ? 4 : 1); ++pass) {
    const int start = interlaced ? kStart[pass] : 0;
    const int step = interlaced ? kStep[pass] : 1;
    for (int y = start; y < height; y += step)
      order.push_back(y);
  }
  return order;
}

}  // namespace pixmora

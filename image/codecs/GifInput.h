#pragma once

#include <gif_lib.h>

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace pixmora {

// giflib reads a file held in memory through these.
struct GifInput {
  std::span<const std::uint8_t> file;
  std::size_t position = 0;
};
int ReadGifInput(GifFileType* gif, GifByteType* out, int length);

struct CloseGif {
  void operator()(GifFileType* gif) const;
};
using GifHandle = std::unique_ptr<GifFileType, CloseGif>;

// giflib's text for an error code.
std::string GifReason(int giflibError);

std::uint32_t OpaqueGifPixel(const GifColorType& c);
// The entries of a color table as 0x00BBGGRR.
std::vector<std::uint32_t> GifPaletteOf(const ColorMapObject* map);

// The rows in the order the file stores them: interlaced images come in four passes.
std::vector<int> GifRowOrder(int height, bool interlaced);

// One LZW code of at least 2 bits stands for at most 4096 pixels.
inline constexpr std::uint64_t kGifMaxPixelsPerByte = 4096 * 8 / 2;

}  // namespace pixmora

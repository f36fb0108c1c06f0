#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace pixmora {

// What a decoder makes of a file: the picture as the working image will take it over, its
// palette, and the number of images in the file.
struct DecodedPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0xAARRGGBB, width * height, top row first
  // True only for a 32-bit BMP, whose fourth bytes are taken over as they are; every other
  // picture is made opaque when it becomes the working image.
  bool keepsAlpha = false;
  bool hasPalette = false;
  std::vector<std::uint32_t> palette;  // 0x00BBGGRR in palette order, at most 256 entries
  int frameCount = 1;                  // images in the file (GIF); 1 for every other format
};

struct DecodeResult {
  bool ok = false;
  DecodedPicture picture;
  std::string error;  // the reason, without the file name, when !ok

  static DecodeResult Failure(std::string reason) { return {false, {}, std::move(reason)}; }
};

// The largest picture any decoder accepts: sizes are 16-bit in the conversion.
inline constexpr int kMaxImageSide = 65535;
inline constexpr std::uint64_t kMaxImagePixels = std::uint64_t{1} << 28;

// The reason a size is refused, or an empty text when it is acceptable. Every decoder asks
// this before it allocates from a header field.
std::string CheckImageSize(std::int64_t width, std::int64_t height);

}  // namespace pixmora

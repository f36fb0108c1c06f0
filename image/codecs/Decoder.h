#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "image/ImageLimits.h"

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
  // The transparency that `pixels` no longer shows: one coverage byte per pixel (0 transparent,
  // 255 opaque), empty when the alpha bytes of `pixels` hold it or the picture is opaque. The
  // colors of pixels not fully covered are blended over `blendedOver` (0x00RRGGBB), or straight.
  std::vector<std::uint8_t> coverage;
  std::optional<std::uint32_t> blendedOver;
  bool hasPalette = false;
  std::vector<std::uint32_t> palette;  // 0x00BBGGRR in palette order, at most 256 entries
  int frameCount = 1;                  // images in the file (GIF); 1 for every other format
};

// What a decoder that hands out rows as it goes knows before the first row: the size, the
// palette, and where the rows (0xAARRGGBB, width * height, top row first) will be.
struct DecodeStart {
  int width = 0;
  int height = 0;
  const std::uint32_t* pixels = nullptr;
  bool hasPalette = false;
  std::span<const std::uint32_t> palette;
};

// Told from the decoding thread how far a picture has come, so that its rows can be read while
// later ones are decoded. The pixels stay where Started said when the result takes them over.
class DecodeObserver {
 public:
  virtual ~DecodeObserver() = default;
  virtual void Started(const DecodeStart& start) = 0;
  // The first `rows` rows hold their final colors.
  virtual void RowsDone(int rows) = 0;
  // The decoding failed after it started: the rows handed out stay where they were, in
  // `pixels`, for as long as the observer keeps them.
  virtual void Failed(std::vector<std::uint32_t> pixels) = 0;
};

struct DecodeResult {
  bool ok = false;
  DecodedPicture picture;
  std::string error;  // the reason, without the file name, when !ok

  static DecodeResult Failure(std::string reason) { return {false, {}, std::move(reason)}; }
};

}  // namespace pixmora

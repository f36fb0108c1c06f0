#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "image/codecs/GifInput.h"

namespace pixmora {

// The logical screen of a GIF.
struct GifScreen {
  int width = 0;
  int height = 0;
  bool hasPalette = false;
  std::vector<std::uint32_t> palette;      // the global color table, 0x00BBGGRR
  std::uint32_t background = 0xFF000000u;  // its background entry; black without one
};

// A walk through the records of a GIF held in memory: the screen, then every image with the
// graphic control extension that applies to it, which the reader of the images is handed.
class GifRecordWalk {
 public:
  explicit GifRecordWalk(std::span<const std::uint8_t> file) : input_{file, 0} {}
  virtual ~GifRecordWalk() = default;

  // Reads the screen and walks to the trailer, to the end of the data after an image (many
  // writers leave the trailer out), to a stop or to a problem, whose reason it returns.
  std::string Walk(GifScreen& screen);

 protected:
  // An image whose descriptor is read (gif_->Image): reads or skips its data. Returns a problem
  // or an empty text; stop_ ends the walk after it.
  virtual std::string ReadImage(const GraphicsControlBlock& control) = 0;
  // The reason for a failed giflib call.
  std::string Damaged() const;
  // The image's size within the limits, and its pixels, or all images' up to it (`pixels`),
  // within what `bytes` of data can hold. Returns a problem.
  std::string CheckImage(std::uint64_t pixels, std::size_t bytes) const;
  // The colors the image draws, 0xFFRRGGBB, from its own table or else the global one; indices
  // beyond the table draw entry 0, as the single-image load draws them. Returns a problem.
  std::string ImageColors(std::array<std::uint32_t, 256>& colors) const;

  GifInput input_;
  GifHandle gif_;
  bool stop_ = false;

 private:
  std::string ReadExtension();

  GraphicsControlBlock control_{DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
  int images_ = 0;
};

}  // namespace pixmora

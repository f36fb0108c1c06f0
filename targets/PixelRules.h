#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "image/TBitmap32.h"
#include "targets/Quantizer.h"
#include "targets/TargetPixels.h"
#include "targets/TargetSettings.h"

namespace pixmora {

// The pixel rules of the targets. Each turns the rows of the working image, from the top and in
// order, into the values of one row of the target; the returned row stays valid until the next.

// One bit per pixel: 1 for a dark pixel (luma below the threshold), or a lit one with invert.
class OneBitRule {
 public:
  OneBitRule(const TBitmap32& image, const TargetSettings& settings, std::uint32_t background);
  const std::uint8_t* Row(int y);

 private:
  const TBitmap32& image_;
  std::uint32_t background_;
  bool invert_;
  RowPlanes planes_;
  std::vector<std::uint8_t> luma_;
  std::vector<std::uint8_t> bits_;
  ChannelQuantizer quantizer_;
};

// Luma reduced to `bits` bits (8: the luma itself), 0 black.
class GrayRule {
 public:
  GrayRule(const TBitmap32& image, int bits, Dither dither, std::uint32_t background);
  const std::uint8_t* Row(int y);

 private:
  const TBitmap32& image_;
  std::uint32_t background_;
  int bits_;
  RowPlanes planes_;
  std::vector<std::uint8_t> luma_;
  std::vector<std::uint8_t> levels_;
  ChannelQuantizer quantizer_;
};

// Colors reduced to red, green and blue fields of the given widths and joined, red highest:
// 5-6-5 or 3-3-2. Blended over a background, or straight when there is none.
class PackedColorRule {
 public:
  PackedColorRule(const TBitmap32& image, int redBits, int greenBits, int blueBits, Dither dither,
                  std::optional<std::uint32_t> background);
  const std::uint16_t* Row(int y);

 private:
  const TBitmap32& image_;
  std::optional<std::uint32_t> background_;
  bool truncates_;
  int redBits_;
  int greenBits_;
  int blueBits_;
  RowPlanes planes_;
  std::vector<std::uint8_t> levels_[3];
  std::vector<std::uint16_t> values_;
  ChannelQuantizer red_, green_, blue_;
};

// The mask of the masked draw calls: 1 where the coverage is 128 or more.
void MaskRow(const TBitmap32& image, int y, std::uint8_t* bits);

// Packs `count` values of `bits` bits (1, 2 or 4) into bytes, the first value in the highest
// bits (with one bit, in the lowest when lowFirst); the bits after the last value are 0.
void PackRow(const std::uint8_t* values, int count, int bits, std::uint8_t* out,
             bool lowFirst = false);

// The 5-6-5 value of a color 0x00BBGGRR (a palette entry), by truncation.
std::uint16_t Rgb565Of(std::uint32_t bgr);

}  // namespace pixmora

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "targets/TargetKinds.h"

namespace pixmora {

// Reduces one 8-bit channel to `bits` bits, row by row from the top, the same every run.
// Without dithering the low bits are cut off (value >> (8 - bits)), as the classic encoders do;
// with one bit a value is 1 when it is at least `threshold`. Ordered dithering (8 x 8 Bayer)
// and serpentine Floyd-Steinberg error diffusion aim at the nearest of the levels
// 0, 255 / (2^bits - 1), ..., 255 that the display widens the value to; with one bit the level
// is chosen at `threshold` instead of halfway.
class ChannelQuantizer {
 public:
  ChannelQuantizer(Dither dither, int bits, int width, int threshold = 128);

  // Row y (the rows come in order, error diffusion carries into the next) of `width` values.
  void Row(int y, const std::uint8_t* in, std::uint8_t* out);

  // Row y of three channels with the same width and dithering at once; error diffusion then runs
  // the three side by side, which takes about the time of one.
  static void Rows(int y, const std::array<ChannelQuantizer*, 3>& quantizers,
                   const std::array<const std::uint8_t*, 3>& in,
                   const std::array<std::uint8_t*, 3>& out);

 private:
  template <std::size_t N>
  static void Diffuse(int y, const std::array<ChannelQuantizer*, N>& quantizers,
                      const std::array<const std::uint8_t*, N>& in,
                      const std::array<std::uint8_t*, N>& out);
  int Level(int value) const;

  // The range an error-diffused value is held to, and its size.
  static constexpr int kLowest = -255;
  static constexpr int kSpan = 766;

  Dither dither_;
  int bits_;
  int top_;  // the highest level, 2^bits - 1
  int width_;
  int threshold_;
  // Ordered: the level of every value (256 of them) at every Bayer value (64 blocks).
  std::vector<std::uint8_t> ordered_;
  // Floyd-Steinberg: the level of every value from kLowest on, the value the display shows for
  // it, and the errors carried into this row and the next, in 1/16 units, with a cell of margin
  // at both ends.
  std::vector<std::uint8_t> levels_;
  std::vector<int> shownValues_;
  std::vector<int> current_;
  std::vector<int> next_;
};

// The 8 x 8 Bayer matrix, 0 to 63.
int BayerValue(int x, int y);

}  // namespace pixmora

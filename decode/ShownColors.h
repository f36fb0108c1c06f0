#pragma once

#include <cstdint>

#include "image/TBitmap32.h"

namespace pixmora {

// A channel of `bits` bits widened to 8 by repeating its bits, as a display does: the top
// value stays full (31 of 5 bits gives 255), 0 stays 0.
constexpr std::uint8_t WidenChannel(std::uint32_t value, int bits) {
  std::uint32_t wide = 0;
  for (int shift = 8 - bits; shift > -bits; shift -= bits)
    wide |= shift >= 0 ? value << shift : value >> -shift;
  return static_cast<std::uint8_t>(wide);
}

// The pixel (0xAARRGGBB, opaque) a display shows for a 5-6-5, 4-4-4 or 3-3-2 color.
constexpr std::uint32_t Shown565(std::uint32_t color) {
  return MakePixel(WidenChannel(color >> 11, 5), WidenChannel((color >> 5) & 63, 6),
                   WidenChannel(color & 31, 5));
}
constexpr std::uint32_t Shown444(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
  return MakePixel(WidenChannel(red, 4), WidenChannel(green, 4), WidenChannel(blue, 4));
}
constexpr std::uint32_t Shown332(std::uint32_t color) {
  return MakePixel(WidenChannel(color >> 5, 3), WidenChannel((color >> 2) & 7, 3),
                   WidenChannel(color & 3, 2));
}

// A gray level of `bits` bits, widened as a channel.
constexpr std::uint32_t ShownGray(std::uint32_t level, int bits) {
  const std::uint8_t v = WidenChannel(level, bits);
  return MakePixel(v, v, v);
}

// The pixel with another alpha: how much of it covers what lies behind.
constexpr std::uint32_t WithAlpha(std::uint32_t pixel, std::uint32_t alpha) {
  return (pixel & 0x00FFFFFFu) | alpha << 24;
}

// A monochrome display shows a set bit black, as the encoders set the bits of black pixels.
inline constexpr std::uint32_t kShownSetBit = MakePixel(0, 0, 0);
inline constexpr std::uint32_t kShownClearBit = MakePixel(255, 255, 255);

}  // namespace pixmora

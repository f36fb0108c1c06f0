#pragma once

#include <cstdint>

#include "image/TBitmap32.h"

namespace pixmora {

// The values one pixel becomes in each encoding, for the whole-picture encoders of the engine
// and the row encoder of the streamed output alike.

constexpr std::uint8_t Code332(std::uint32_t p) {
  return static_cast<std::uint8_t>((RedOf(p) & 0xE0) | ((GreenOf(p) >> 3) & 0x1C) |
                                   (BlueOf(p) >> 6));
}

// The 5-6-5 value's high and low byte.
constexpr std::uint8_t Code565High(std::uint32_t p) {
  return static_cast<std::uint8_t>((RedOf(p) & 0xF8) | (GreenOf(p) >> 5));
}
constexpr std::uint8_t Code565Low(std::uint32_t p) {
  return static_cast<std::uint8_t>(((GreenOf(p) << 3) & 0xE0) | (BlueOf(p) >> 3));
}

// The 4-4-4 nibbles in order red, green, blue.
constexpr std::uint8_t Nibble444(std::uint32_t p, int channel) {
  return static_cast<std::uint8_t>((channel == 0   ? RedOf(p)
                                    : channel == 1 ? GreenOf(p)
                                                   : BlueOf(p)) >>
                                   4);
}

// Pure black (R = G = B = 0, whatever the alpha) sets a monochrome bit.
constexpr std::uint32_t IsBlack(std::uint32_t pixel) {
  return (pixel & 0xFFFFFFu) == 0 ? 1 : 0;
}

// Shifts a bit in from the top: after n bits the first sits in bit 8 - n.
constexpr std::uint32_t PushBit(std::uint32_t byte, std::uint32_t bit) {
  return (byte >> 1) | (bit << 7);
}

}  // namespace pixmora

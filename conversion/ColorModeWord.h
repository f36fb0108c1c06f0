#pragma once

#include <cstdint>

namespace pixmora {

// The 16-bit descriptor that tells the firmware how the data is encoded: bit 0 set when the
// data is not compressed, the encoding in bits 1-4, the palette size in bits 8-10.
namespace ColorModeBits {
inline constexpr std::uint16_t kCompressionOff = 0x01;
inline constexpr std::uint16_t kColor65536 = 0x00;
inline constexpr std::uint16_t kColor4096 = 0x02;
inline constexpr std::uint16_t kColor256 = 0x04;
inline constexpr std::uint16_t kPalette1Pixel = 0x06;
inline constexpr std::uint16_t kPalette2Pixels = 0x08;
inline constexpr std::uint16_t kPalette4Pixels = 0x0A;
inline constexpr std::uint16_t kPalette8Pixels = 0x0C;
inline constexpr std::uint16_t kMonochromeVertical = 0x0E;
inline constexpr std::uint16_t kMonochromeHorizontal = 0x10;
}  // namespace ColorModeBits

// The palette size field, already in place (bits 8-10): 0 for 256 colors and any count that
// is not a power of two from 2 to 128.
constexpr std::uint16_t PaletteSizeCode(int colorCount) {
  switch (colorCount) {
    case 128:
      return 0x100;
    case 64:
      return 0x200;
    case 32:
      return 0x300;
    case 16:
      return 0x400;
    case 8:
      return 0x500;
    case 4:
      return 0x600;
    case 2:
      return 0x700;
    default:
      return 0x000;
  }
}

constexpr std::uint16_t SwapBytes(std::uint16_t value) {
  return static_cast<std::uint16_t>((value >> 8) | (value << 8));
}

}  // namespace pixmora

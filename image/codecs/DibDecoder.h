#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "image/codecs/Decoder.h"

namespace pixmora {

// The info header of a device-independent bitmap, as BMP files and icon entries hold it.
struct DibHeader {
  std::size_t headerSize = 0;  // 12 (OS/2), 40, 52, 56, 108 or 124
  std::int64_t width = 0;
  std::int64_t height = 0;  // rows, as the header gives them (an icon's count its mask too)
  bool topDown = false;
  int bitsPerPixel = 0;
  std::uint32_t compression = 0;
  std::array<std::uint32_t, 4> masks{};  // red, green, blue, alpha for 16 and 32 bits per pixel
  std::size_t colorTableOffset = 0;      // where the color table starts in the data
  std::size_t colorTableEntries = 0;     // entries the header declares (bit depths up to 8)
  std::size_t colorEntrySize = 4;        // 3 in OS/2 bitmaps
};

inline constexpr std::uint32_t kBiRgb = 0;
inline constexpr std::uint32_t kBiRle8 = 1;
inline constexpr std::uint32_t kBiRle4 = 2;
inline constexpr std::uint32_t kBiBitfields = 3;

// Reads and checks the info header that starts at `offset`. Returns the reason it is refused,
// or an empty text.
std::string ParseDibHeader(std::span<const std::uint8_t> data, std::size_t offset,
                           DibHeader& header);

// Decodes the color table and the pixel rows at `pixelOffset` of a parsed header. A color table
// that runs into the pixel rows is cut short there.
DecodeResult DecodeDibPixels(std::span<const std::uint8_t> data, const DibHeader& header,
                             std::size_t pixelOffset);

// Bytes of one stored row of `width` pixels: rows are padded to whole 32-bit words.
constexpr std::uint64_t DibStride(std::int64_t width, int bitsPerPixel) {
  return (static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(bitsPerPixel) + 31) / 32 *
         4;
}

}  // namespace pixmora

#pragma once

#include <cstdint>
#include <span>

#include "image/codecs/Decoder.h"

namespace pixmora {

// A Windows or OS/2 bitmap file: 1 to 32 bits per pixel, uncompressed, bit fields or RLE.
DecodeResult DecodeBmp(std::span<const std::uint8_t> file);

}  // namespace pixmora

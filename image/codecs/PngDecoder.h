#pragma once

#include <cstdint>
#include <span>

#include "image/codecs/Decoder.h"

namespace pixmora {

// A PNG file through libpng. Transparent and partly transparent pixels are blended over black,
// so a conversion never depends on what was open before; opaque pixels keep their colors.
DecodeResult DecodePng(std::span<const std::uint8_t> file);

// The same, blended over `background` (0x00RRGGBB): icons are drawn over white. An observer
// learns of the rows as they are decoded.
DecodeResult DecodePng(std::span<const std::uint8_t> file, std::uint32_t background,
                       DecodeObserver* observer = nullptr);

}  // namespace pixmora

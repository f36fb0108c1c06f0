#pragma once

#include <cstdint>
#include <span>

#include "image/codecs/Decoder.h"

namespace pixmora {

// An icon (or cursor) file: its largest image, ties going to the most colors, drawn over white
// through its mask, so that transparent pixels are white. Images may be bitmaps with an AND
// mask (32-bit ones blend by their alpha) or PNG files. Icons report no palette.
DecodeResult DecodeIcon(std::span<const std::uint8_t> file);

}  // namespace pixmora

#pragma once

#include <cstdint>
#include <span>

#include "image/codecs/Decoder.h"

namespace pixmora {

// A JPEG file through libjpeg-turbo: gray, color and CMYK, baseline or progressive. A file
// whose entropy-coded data is cut short or corrupt is refused rather than shown half gray.
DecodeResult DecodeJpeg(std::span<const std::uint8_t> file);

}  // namespace pixmora

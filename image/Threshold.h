#pragma once

#include <cstdint>

#include "image/TBitmap32.h"

namespace pixmora {

// Black and white from the 24-bit number red + 256 * green + 65536 * blue of each pixel: white
// (0x00FFFFFF) when it is above position, else black (0x00000000). Blue therefore decides first;
// this is not a brightness. result takes source's size, and its coverage, since the zero alpha
// bytes of the result no longer hold it.
void ApplyThreshold(const TBitmap32& source, std::uint32_t position, TBitmap32& result);

}  // namespace pixmora

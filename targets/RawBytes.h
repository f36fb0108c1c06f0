#pragma once

#include <string>

#include "targets/TargetData.h"

namespace pixmora {

// The bytes of a .bin file: the arrays one after the other, every 16-bit value low byte first,
// as a little-endian MCU stores it (so a swapped value comes high byte first). lvgl9 starts
// with the 12 bytes of its image header, which makes the file LVGL's binary image format.
std::string RawBytes(const TargetData& data);
// Its length.
std::size_t RawSize(const TargetData& data);

}  // namespace pixmora

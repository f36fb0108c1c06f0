#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "decode/TargetLayout.h"

namespace pixmora {

inline constexpr std::size_t kLvglHeaderBytes = 12;

// Takes the color format, size and stride of the 12-byte LVGL 9 image header (little-endian:
// magic 0x19, cf, flags; w, h; stride, reserved) into `layout`. Returns why the bytes are no
// header this decoder reads, with `offset` at the byte at fault, or an empty text.
std::string ReadLvglHeader(std::span<const std::uint8_t> bytes, TargetLayout& layout,
                           std::size_t& offset);

}  // namespace pixmora

#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace pixmora {

// Little-endian fields of BMP and icon files. The caller has checked that the bytes exist.
inline std::uint16_t ReadU16(std::span<const std::uint8_t> data, std::size_t offset) {
  return static_cast<std::uint16_t>(data[offset] | (data[offset + 1] << 8));
}

inline std::uint32_t ReadU32(std::span<const std::uint8_t> data, std::size_t offset) {
  return std::uint32_t{data[offset]} | (std::uint32_t{data[offset + 1]} << 8) |
         (std::uint32_t{data[offset + 2]} << 16) | (std::uint32_t{data[offset + 3]} << 24);
}

inline std::int32_t ReadS32(std::span<const std::uint8_t> data, std::size_t offset) {
  return static_cast<std::int32_t>(ReadU32(data, offset));
}

}  // namespace pixmora

#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "conversion/HexNumbers.h"

namespace pixmora {

// "0x1F" or "0x01FF": a value in a message, as the output writes it.
inline std::string HexValue(std::uint32_t value) {
  std::string text = "0x";
  AppendHex(text, value, value > 0xFF ? 4 : 2);
  return text;
}

// "1 value", "7 values".
inline std::string ValueCount(std::size_t n) {
  return std::to_string(n) + (n == 1 ? " value" : " values");
}

}  // namespace pixmora

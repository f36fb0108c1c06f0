#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace pixmora {

inline constexpr std::uint8_t kNotHex = 0xFF;

constexpr std::array<std::uint8_t, 256> MakeHexDigitValues() {
  std::array<std::uint8_t, 256> values{};
  values.fill(kNotHex);
  for (int i = 0; i < 10; ++i)
    values['0' + i] = static_cast<std::uint8_t>(i);
  for (int i = 0; i < 6; ++i) {
    values['A' + i] = static_cast<std::uint8_t>(10 + i);
    values['a' + i] = static_cast<std::uint8_t>(10 + i);
  }
  return values;
}

// The value of every hexadecimal digit; kNotHex for every other byte.
inline constexpr std::array<std::uint8_t, 256> kHexDigitValues = MakeHexDigitValues();

inline bool IsHexDigit(char c) {
  return kHexDigitValues[static_cast<unsigned char>(c)] != kNotHex;
}

struct HexRun {
  const char* end;      // just past the digits
  std::size_t digits;   // how many there are
  std::uint32_t value;  // 0x10000 for any value wider than 16 bits
};

// The hexadecimal digits at `p`, up to `limit`.
inline HexRun ReadHexDigits(const char* p, const char* limit) {
  const char* start = p;
  std::uint32_t value = 0;
  while (p < limit) {
    const std::uint32_t digit = kHexDigitValues[static_cast<unsigned char>(*p)];
    if (digit == kNotHex)
      break;
    // Held at 0x10000 once too wide, so that no number of digits can wrap it back.
    value = (value << 4) | digit;
    value = value > 0xFFFFu ? 0x10000u : value;
    ++p;
  }
  return {p, static_cast<std::size_t>(p - start), value};
}

}  // namespace pixmora

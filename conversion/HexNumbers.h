#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace pixmora {

// Upper-case hexadecimal numbers, zero-filled to at least 2 or 4 digits: the only place the
// output text gets its numbers from.

constexpr std::array<std::array<char, 2>, 256> MakeHexPairs() {
  constexpr char kDigits[] = "0123456789ABCDEF";
  std::array<std::array<char, 2>, 256> pairs{};
  for (int i = 0; i < 256; ++i)
    pairs[i] = {kDigits[i >> 4], kDigits[i & 15]};
  return pairs;
}

// The two digits of every byte value, in text order.
inline constexpr std::array<std::array<char, 2>, 256> kHexPairs = MakeHexPairs();

// The number of digits WriteHex produces.
int HexLength(std::uint32_t value, int digits);

// A value wider than its digits (never produced by the run) keeps all its digits.
char* WriteWideHex(char* out, std::uint32_t value);

// Writes `value` with at least `digits` (2 or 4) digits at `out`; returns the end.
inline char* WriteHex(char* out, std::uint32_t value, int digits) {
  if (value > (digits == 2 ? 0xFFu : 0xFFFFu))
    return WriteWideHex(out, value);
  if (digits == 4) {
    out[0] = kHexPairs[value >> 8][0];
    out[1] = kHexPairs[value >> 8][1];
    out += 2;
  }
  out[0] = kHexPairs[value & 0xFF][0];
  out[1] = kHexPairs[value & 0xFF][1];
  return out + 2;
}

inline void AppendHex(std::string& text, std::uint32_t value, int digits) {
  char buffer[8];
  text.append(buffer, WriteHex(buffer, value, digits));
}

}  // namespace pixmora

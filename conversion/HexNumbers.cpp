#include "conversion/HexNumbers.h"

namespace pixmora {

int HexLength(std::uint32_t value, int digits) {
  int length = 1;
  while (value >>= 4)
    ++length;
  return length < digits ? digits : length;
}

char* WriteWideHex(char* out, std::uint32_t value) {
  for (int shift = (HexLength(value, 0) - 1) * 4; shift >= 0; shift -= 4) {
    *out++ = "0123456789ABCDEF"[(value >> shift) & 15];
  }
  return out;
}

}  // namespace pixmora

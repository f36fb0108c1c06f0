#include "conversion/WorkingData.h"

namespace pixmora {

void CombineWords(WorkingData& bytes, bool lsbFirst) {
  const std::size_t pairs = bytes.size() / 2;
  // Word k is made of bytes 2k and 2k + 1, which are read before anything overwrites them.
  for (std::size_t k = 0; k < pairs; ++k) {
    const std::int32_t a = bytes[2 * k];
    const std::int32_t b = bytes[2 * k + 1];
    bytes[k] = lsbFirst ? b * 256 + a : a * 256 + b;
  }
  if (bytes.size() % 2 != 0) {
    const std::int32_t a = bytes.back();
    bytes[pairs] = lsbFirst ? a * 256 : a;
  }
  bytes.resize((bytes.size() + 1) / 2);
}

}  // namespace pixmora

#include "conversion/WorkingData.h"

namespace pixmora {

WorkingData CombineWords(std::span<const std::int32_t> bytes, bool lsbFirst) {
  WorkingData words((bytes.size() + 1) / 2);
  const std::size_t pairs = bytes.size() / 2;
  for (std::size_t k = 0; k < pairs; ++k) {
    const std::int32_t a = bytes[2 * k];
    const std::int32_t b = bytes[2 * k + 1];
    words[k] = lsbFirst ? b * 256 + a : a * 256 + b;
  }
  if (bytes.size() % 2 != 0) {
    const std::int32_t a = bytes.back();
    words.back() = lsbFirst ? a * 256 : a;
  }
  return words;
}

WorkingData SplitBytes(std::span<const std::int32_t> words) {
  WorkingData bytes(2 * words.size());
  for (std::size_t k = 0; k < words.size(); ++k) {
    bytes[2 * k] = words[k] / 256;
    bytes[2 * k + 1] = words[k] % 256;
  }
  return bytes;
}

}  // namespace pixmora

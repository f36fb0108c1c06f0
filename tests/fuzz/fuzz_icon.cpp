#include <cstddef>
#include <cstdint>

#include "image/codecs/IconDecoder.h"
#include "tests/fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  pixmora::CheckDecodeResult(pixmora::DecodeIcon({data, size}));
  return 0;
}

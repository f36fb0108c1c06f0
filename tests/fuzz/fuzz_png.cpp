#include <cstddef>
#include <cstdint>

#include "image/codecs/PngDecoder.h"
#include "tests/fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  pixmora::CheckDecodeResult(pixmora::DecodePng({data, size}));
  return 0;
}

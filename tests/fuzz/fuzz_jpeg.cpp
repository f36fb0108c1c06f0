#include <cstddef>
#include <cstdint>

#include "image/codecs/JpegDecoder.h"
#include "tests/fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  pixmora::CheckDecodeResult(pixmora::DecodeJpeg({data, size}));
  return 0;
}

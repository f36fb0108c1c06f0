#include <cstddef>
#include <cstdint>

#include "image/codecs/GifDecoder.h"
#include "tests/fuzz/FuzzCheck.h"

// The first image, and for an animation the last one as well.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const pixmora::DecodeResult first = pixmora::DecodeGif({data, size}, 0);
  pixmora::CheckDecodeResult(first);
  if (first.ok && first.picture.frameCount > 1) {
    pixmora::CheckDecodeResult(pixmora::DecodeGif({data, size}, first.picture.frameCount - 1));
  }
  return 0;
}

#pragma once

#include <cstdlib>

#include "image/codecs/Decoder.h"

namespace pixmora {

// A decoder either fails with a reason and no pixels, or gives a whole picture within the
// limits. Anything else is a fault the fuzzer should report.
inline void CheckDecodeResult(const DecodeResult& result) {
  const DecodedPicture& p = result.picture;
  const bool sound = result.ok
                         ? CheckImageSize(p.width, p.height).empty() &&
                               p.pixels.size() == static_cast<std::size_t>(p.width) *
                                                      static_cast<std::size_t>(p.height) &&
                               p.palette.size() <= 256 && (p.hasPalette || p.palette.empty()) &&
                               p.frameCount >= 1 && result.error.empty()
                         : !result.error.empty() && p.pixels.empty();
  if (!sound)
    std::abort();
}

}  // namespace pixmora

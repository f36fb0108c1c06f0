#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "image/codecs/Decoder.h"

namespace pixmora::testing {

using DecodeFunction = std::function<DecodeResult(std::span<const std::uint8_t>)>;

// Every cut of `file` shorter than `wholeFrom` bytes fails with a reason and no pixels.
inline void ExpectCutsFail(const DecodeFunction& decode, const std::vector<std::uint8_t>& file,
                           std::size_t wholeFrom) {
  for (std::size_t size = 0; size < wholeFrom; ++size) {
    const DecodeResult result = decode(std::span(file).first(size));
    EXPECT_FALSE(result.ok) << "cut to " << size << " bytes";
    EXPECT_TRUE(result.picture.pixels.empty());
    EXPECT_FALSE(result.error.empty());
  }
}

}  // namespace pixmora::testing

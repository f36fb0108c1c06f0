#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace pixmora {

// The values every stage of a run reads and replaces: bytes, words or palette indices, one per
// element.
using WorkingData = std::vector<std::int32_t>;

// Joins consecutive byte values in pairs, the first as the high byte (as the low byte when
// `lsbFirst`); an odd last value acts as the second byte of a pair whose first byte is 0.
WorkingData CombineWords(std::span<const std::int32_t> bytes, bool lsbFirst);

// Replaces every 16-bit value by its high byte, then its low byte.
WorkingData SplitBytes(std::span<const std::int32_t> words);

}  // namespace pixmora

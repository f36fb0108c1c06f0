#pragma once

#include <cstdint>
#include <vector>

namespace pixmora {

// The values every stage of a run reads and replaces: bytes, words or palette indices, one per
// element.
using WorkingData = std::vector<std::int32_t>;

// Joins consecutive byte values in pairs, the first as the high byte (as the low byte when
// `lsbFirst`); an odd last value acts as the second byte of a pair whose first byte is 0.
// Works in place: the data then holds (n + 1) div 2 words.
void CombineWords(WorkingData& bytes, bool lsbFirst);

}  // namespace pixmora

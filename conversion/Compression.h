#pragma once

#include <cstdint>

#include "conversion/ProgressSink.h"
#include "conversion/WorkingData.h"

namespace pixmora {

// Run-length coding for small firmware: a value not followed by an equal one stands for
// itself; a run of L equal values (2 <= L <= maxCount + 2) becomes v, v, L - 2. Replaces
// `output` (its buffer is reused) by the coded stream of `input` and sets `ratio` (see
// CompressionRatio); on cancel returns false, leaving `output` partly written and `ratio` as
// it was.
bool CompressRuns(const WorkingData& input, WorkingData& output, std::int32_t maxCount, int& ratio,
                  Progress& progress);

// The percentage saved, truncated toward zero (negative when the output grew); 0 for no input.
int CompressionRatio(std::size_t inputLength, std::size_t outputLength);

}  // namespace pixmora

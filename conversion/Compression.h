#pragma once

#include <cstdint>

#include "conversion/ProgressSink.h"
#include "conversion/WorkingData.h"

namespace pixmora {

// Run-length coding for small firmware: a value not followed by an equal one stands for
// itself; a run of L equal values (2 <= L <= maxCount + 2) becomes v, v, L - 2. Replaces `data`
// by the coded stream and sets `ratio` (see CompressionRatio); on cancel returns false and
// leaves both as they were.
bool CompressRuns(WorkingData& data, std::int32_t maxCount, int& ratio, Progress& progress);

// The percentage saved, truncated toward zero (negative when the output grew); 0 for no input.
int CompressionRatio(std::size_t inputLength, std::size_t outputLength);

}  // namespace pixmora

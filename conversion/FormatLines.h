#pragma once

#include <cstdint>
#include <span>

#include "conversion/LineList.h"
#include "conversion/OutputFormat.h"
#include "conversion/ProgressSink.h"

namespace pixmora {

// Fills `lines` with the data lines of `values` as hex numbers of `digits` (2 or 4) digits,
// then the closing line. The caller has set the caption; the bar runs over the full lines.
// Returns false when cancelled, leaving the list incomplete.
bool FormatLines(std::span<const std::int32_t> values, LineList& lines, int digits,
                 const OutputFormat& format, Progress& progress);

// The length of the text FormatLines writes, closing line included.
std::size_t FormattedTextSize(std::span<const std::int32_t> values, int digits,
                              const OutputFormat& format);

// The same, adding the lines after those the list already holds (a header put there first
// takes no copy of the data lines later).
bool AppendFormattedLines(std::span<const std::int32_t> values, LineList& lines, int digits,
                          const OutputFormat& format, Progress& progress);

}  // namespace pixmora

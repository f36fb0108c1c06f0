#pragma once

#include <string>

#include "cli/CliOptions.h"

namespace pixmora::cli {

// --frames all|A-B
std::string ReadFrameRange(CliOptions& o, const std::string& option, const std::string& value);
// --frames-grid WxH
std::string ReadFrameGrid(CliOptions& o, const std::string& option, const std::string& value);
// Why the frame options make no sense together or with the rest; an empty text when they do.
// A sheet or frame files with no --frames take every frame.
std::string CheckFrameOptions(CliOptions& o);

// Whether the run writes a table of frames.
bool WritesFrames(const CliOptions& o);

}  // namespace pixmora::cli

#pragma once

#include <cstdio>
#include <span>
#include <string>

#include "cli/CliOptions.h"
#include "cli/ComposeSettings.h"
#include "cli/RunCli.h"

namespace pixmora::cli {

// --frames: reads the frames (the composed frames of a GIF, a sheet cut by --frames-grid, or
// the pictures of --frames-files), runs the edits on each (--reduce on all together), and
// writes one table of them for the classic output or the target.
int ConvertFrames(const CliOptions& o, const Settings& settings,
                  std::span<const std::string> commandLine, std::FILE* out, std::FILE* err,
                  PictureReport& report);

}  // namespace pixmora::cli

#pragma once

#include <string>
#include <vector>

#include "cli/CliOptions.h"
#include "cli/ComposeSettings.h"

namespace pixmora::cli {

// The file named `stem` in a folder, with .h for a header, .c for a .c and .h pair, and for the
// classic output the extension the desktop export proposes (.h, .bas, .inc).
std::string OutputPathIn(const std::string& folder, const std::string& stem,
                         const Settings& settings);

// The files a run of one picture writes, o.output given: what a build system waits for. A
// usage error of -o (a .c and .h pair named FILE.x) goes to `error`.
std::vector<std::string> PlannedFiles(const CliOptions& o, const Settings& settings,
                                      std::string& error);

std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace pixmora::cli

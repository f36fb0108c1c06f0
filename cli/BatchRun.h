#pragma once

#include <cstdio>
#include <span>
#include <string>

#include "cli/CliOptions.h"

namespace pixmora::cli {

// Whether a run writes one file per picture into the folder of -o: several pictures, or -o
// naming a folder (ending in '/', or one that exists).
bool WritesIntoFolder(const CliOptions& o);

// Converts every picture of o.images into that folder on a pool of threads (-j). One picture's
// failure stops only that picture unless --fail-fast; the exit status is the worst one.
int RunBatch(const CliOptions& o, std::span<const std::string> arguments, std::FILE* out,
             std::FILE* err);

}  // namespace pixmora::cli

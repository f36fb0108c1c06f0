#pragma once

#include "cli/CliOptions.h"

namespace pixmora::cli {

// The mode after a load, unless --mode names one: --reduce makes it Palette and --threshold
// Monochrome, the later of them winning.
ImageMode ChooseMode(const CliOptions& o, bool hasPalette);

}  // namespace pixmora::cli

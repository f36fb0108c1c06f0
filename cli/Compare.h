#pragma once

#include <cstdio>
#include <string>

#include "cli/CliOptions.h"
#include "image/TBitmap32.h"
#include "settings/Preferences.h"

namespace pixmora::cli {

// --compare prints the table instead of converting: a usage error names what it cannot go with.
std::string CheckCompareOptions(const CliOptions& o);

// The table of every encoding of the picture (decode/CompareEncodings), smallest first, one
// line each: total bytes, data bytes, color table bytes, PSNR, the encoding and its options.
void PrintComparison(const TBitmap32& picture, const Preferences& preferences, std::FILE* out);

}  // namespace pixmora::cli

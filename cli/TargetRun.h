#pragma once

#include <span>
#include <string>

#include "cli/CliOptions.h"
#include "cli/OutputFiles.h"
#include "image/ImageDocument.h"
#include "targets/TargetSettings.h"
#include "ui/TargetExport.h"

namespace pixmora::cli {

// Why the target options of the command line make no sense together (an option the target
// does not read, a classic option beside a target), or an empty text.
std::string CheckTargetOptions(const CliOptions& o, const TargetSettings& settings);

// Where a target's output goes. -o names one file: the header, or raw bytes when it ends in
// .bin. A .c and .h pair (--code c, lvgl9) is named by -o FILE.c, FILE.h or FILE: the pair is
// FILE.c and FILE.h. Without -o a header goes to the standard output.
struct TargetOutputPlan {
  std::string error;  // a usage error
  TargetFiles files;  // no main file: standard output
};
TargetOutputPlan PlanTargetOutput(const CliOptions& o, const TargetSettings& settings);

struct TargetOutcome {
  std::string refusal;         // why the picture cannot be written for the target
  std::string standardOutput;  // the header text when there is no -o
  std::size_t dataSize = 0;    // the bytes of the data, as a .bin file holds them
};

// Converts the working image for the target and adds the plan's files.
TargetOutcome RunTarget(const CliOptions& o, const TargetSettings& settings,
                        const ImageDocument& document, const TargetOutputPlan& plan,
                        std::span<const std::string> arguments, OutputFiles& files);

}  // namespace pixmora::cli

#pragma once

#include <string>

#include "cli/CliOptions.h"
#include "image/KernelResampler.h"
#include "settings/CustomFormat.h"
#include "settings/Preferences.h"
#include "targets/TargetSettings.h"

namespace pixmora::cli {

struct Settings {
  Preferences preferences;
  CustomFormat custom;
  ResampleFilter filter = ResampleFilter::Linear;
  TargetSettings target;
};

// Built-in defaults, then the settings file, then the options. Returns "FILE: reason" when the
// settings file cannot be read, else an empty text.
std::string ComposeSettings(const CliOptions& o, Settings& s);

}  // namespace pixmora::cli

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

// Built-in defaults, then the settings file, then the options; the error names the settings
// file and what is wrong with it.
std::string ComposeSettings(const CliOptions& o, Settings& s);

// What --save-settings writes to `path`: the preferences, the custom format and the target
// settings, over the file as it is, whose other sections stay.
std::string SavedSettingsText(const std::string& path, const Settings& s);

}  // namespace pixmora::cli

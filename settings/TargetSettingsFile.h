#pragma once

#include <string>

#include "settings/IniFile.h"
#include "targets/TargetSettings.h"

namespace pixmora {

inline constexpr const char* kTargetSection = "Target";

// Reads section "Target": every key that is there replaces its setting; a file without the
// section leaves the settings as they are (Classic by default). Returns why the first value
// that was refused is wrong ("[Target] Dither: expected ..."), or an empty text; a refused
// value keeps its setting.
std::string ReadTargetSettings(const IniFile& file, TargetSettings& settings);
void WriteTargetSettings(IniFile& file, const TargetSettings& settings);

}  // namespace pixmora

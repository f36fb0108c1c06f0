#pragma once

#include <string>

namespace pixmora {

// Where the desktop program keeps its settings file. Beside the program when its folder can be
// written, so a copy carried anywhere keeps its settings with it; an installed program, whose
// folder belongs to the system, keeps them in the user's configuration folder instead:
// $XDG_CONFIG_HOME, else ~/.config. configHome and home are the environment's values, or null.
std::string SettingsFilePath(const std::string& programFolder, bool programFolderWritable,
                             const char* configHome, const char* home);

}  // namespace pixmora

#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/MessageBox.h"
#include "settings/Preferences.h"

namespace pixmora {

// Whether the program opens the file named on its command line: its upper-cased extension is
// one of ".BMP", ".JPG", ".JPEG", ".ICO", ".PNG", ".GIF". Anything else is ignored silently.
bool IsCommandLineImage(const std::string& argument);

// The file to load from a drop: the first name, when it has one of the image extensions.
// Otherwise says "Invalid file extension" and gives nothing; the later names are never
// looked at. A drop without names gives nothing.
std::optional<std::string> FileToLoadFromDrop(const std::vector<std::string>& names,
                                              MessageBoxService& messages);

// Whether a change event of the watch reloads the open file. An event while no file is open,
// or while ignoreNextChange is set, is swallowed and clears the flag. With "Ask before reload
// image" and "Autodetect external changes" both on the user is asked first.
bool ReloadAfterChange(const std::string& currentFileName, bool& ignoreNextChange,
                       const Preferences& preferences, MessageBoxService& messages);

}  // namespace pixmora

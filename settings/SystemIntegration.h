#pragma once

#include <functional>
#include <string>

#include "platform/MessageBox.h"
#include "platform/Shell.h"
#include "settings/Preferences.h"

namespace pixmora {

inline constexpr char kShortcutFileName[] = "Pixmora_Convert.lnk";
inline constexpr char kShortcutDescription[] = "Test SendTo Application";
// Under "*", the key of every file type; the verb's menu text is its key name.
inline constexpr char kVerbKey[] = "*\\shell\\Open with Pixmora_Convert";
inline constexpr char kCommandKey[] = "*\\shell\\Open with Pixmora_Convert\\command";

struct SystemIntegrationServices {
  ShellService& shell;
  MessageBoxService& messages;
  std::function<void(bool)> setDropEnabled;  // the image view's drop target
  std::string executablePath;                // full path of the running program
};

// The folder of a path up to and including its last separator; empty when it has none.
// A path that starts with '/' separates with '/' only, any other with '\' or '/'.
std::string FolderWithSeparator(const std::string& path);
// The same folder without its trailing separator, except for a root ("/", "C:\").
std::string FolderWithoutSeparator(const std::string& path);
// The shortcut file in the Send To folder.
std::string ShortcutPath(const std::string& sendToFolder);
// The command that opens a file with the program in the executable's folder. The program's
// name is fixed, so a renamed executable still registers the installed one.
std::string CommandValue(const std::string& executablePath);

// Brings the Send To shortcut, the drop target and the context-menu verb in line with the
// options, in that order, rewriting shortcut and verb on every run so that a moved program
// folder is picked up. A registry failure is shown and ends the step.
void ApplySystemIntegration(const Preferences& preferences,
                            const SystemIntegrationServices& services);

}  // namespace pixmora

#pragma once

#include <optional>
#include <string>

#include "platform/Shell.h"

namespace pixmora {

// The shell integration on a freedesktop.org desktop, which has no Send To menu, shell links
// or registry. It writes only below the user's data folder ($XDG_DATA_HOME, by default
// ~/.local/share), always whole files, and refuses any path or key outside it:
// - the Send To folder is "<data>/Pixmora_Convert/SendTo"; a shortcut there is a desktop
//   entry under its given name whose Exec runs the target with the arguments and the file;
// - a verb key "*\shell\<verb>" is the hidden desktop entry
//   "<data>/applications/<verb, with characters other than letters, digits, '_' and '-'
//   replaced by '-'>.desktop", named <verb> and offered for the image types the program
//   opens; writing its "command" subkey writes the entry, with the command line's "%1" as
//   the file and a program named "X.exe" run as "X", this system's executables having no
//   extension; deleting the verb key deletes the entry;
// - other keys have no counterpart: they never exist and cannot be written.
// Default file associations (mimeapps.list) are left alone.
class XdgShell : public ShellService {
 public:
  SendToFolder GetSendToFolder() override;
  bool CreateShellLink(const std::string& linkPath, const std::string& target,
                       const std::string& description, const std::string& workingFolder,
                       const std::string& arguments, const std::string& iconFile,
                       int iconIndex) override;
  void RemoveFile(const std::string& path) override;
  bool WriteKeyValue(const std::string& key, const std::string& value) override;
  bool KeyExists(const std::string& key) override;
  void DeleteKeyTree(const std::string& key) override;
  void OpenLink(const std::string& link) override;
};

// $XDG_DATA_HOME when it is an absolute path, else $HOME/.local/share; nothing when neither
// is usable.
std::optional<std::string> XdgDataHome();

}  // namespace pixmora

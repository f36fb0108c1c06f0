#pragma once

#include <string>

namespace pixmora {

// What the shell answered when asked for the current user's Send To folder.
struct SendToFolder {
  enum class Lookup {
    Found,
    FailedWithItemList,    // the call failed but still handed back an item list
    FailedWithoutItemList  // the call failed and gave nothing
  };
  Lookup lookup = Lookup::Found;
  std::string path;  // empty unless found and convertible to a file-system path
};

// The shell and registry operations that put the program into the desktop's menus, and the
// opening of links.
// Texts are 8-bit; paths are native bytes, registry key names are relative to the root of
// file types and use '\' between their parts.
class ShellService {
 public:
  virtual ~ShellService() = default;

  virtual SendToFolder GetSendToFolder() = 0;
  // Writes (or overwrites) a shortcut file; true when it was saved. The icon is set only when
  // iconFile is not empty and iconIndex is 0 or more.
  virtual bool CreateShellLink(const std::string& linkPath, const std::string& target,
                               const std::string& description, const std::string& workingFolder,
                               const std::string& arguments, const std::string& iconFile,
                               int iconIndex) = 0;
  // Deletes a file; a missing file or a failure is not reported.
  virtual void RemoveFile(const std::string& path) = 0;

  // Creates the key with its missing parents and writes value as its unnamed string value.
  // False when the key could not be created or opened.
  virtual bool WriteKeyValue(const std::string& key, const std::string& value) = 0;
  virtual bool KeyExists(const std::string& key) = 0;
  // Deletes the key and its subkeys; a failure is not reported.
  virtual void DeleteKeyTree(const std::string& key) = 0;

  // Opens a web address or a "mailto:" link with the user's default program; a failure is
  // not reported.
  virtual void OpenLink(const std::string& link) = 0;
};

}  // namespace pixmora

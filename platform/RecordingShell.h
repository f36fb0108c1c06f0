#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/Shell.h"

namespace pixmora {

// Test double: logs every call in order and keeps the shortcut files and registry keys it was
// asked to write, so that repeated runs and deletions can be checked.
class RecordingShell : public ShellService {
 public:
  struct Link {
    std::string path;
    std::string target;
    std::string description;
    std::string workingFolder;
    std::string arguments;
    std::string iconFile;
    int iconIndex;
  };

  SendToFolder GetSendToFolder() override {
    calls.push_back("GetSendToFolder");
    return sendTo;
  }

  bool CreateShellLink(const std::string& linkPath, const std::string& target,
                       const std::string& description, const std::string& workingFolder,
                       const std::string& arguments, const std::string& iconFile,
                       int iconIndex) override {
    calls.push_back("CreateShellLink " + linkPath);
    links.push_back({linkPath, target, description, workingFolder, arguments, iconFile, iconIndex});
    if (linksSave)
      files.insert(linkPath);
    return linksSave;
  }

  void RemoveFile(const std::string& path) override {
    calls.push_back("RemoveFile " + path);
    files.erase(path);
  }

  bool WriteKeyValue(const std::string& key, const std::string& value) override {
    calls.push_back("WriteKeyValue " + key);
    if (!keysOpen)
      return false;
    keys[key] = value;
    return true;
  }

  bool KeyExists(const std::string& key) override {
    calls.push_back("KeyExists " + key);
    return !SubtreeOf(key).empty();
  }

  void DeleteKeyTree(const std::string& key) override {
    calls.push_back("DeleteKeyTree " + key);
    for (const auto& name : SubtreeOf(key))
      keys.erase(name);
  }

  void OpenLink(const std::string& link) override { calls.push_back("OpenLink " + link); }

  SendToFolder sendTo{SendToFolder::Lookup::Found, "C:\\Users\\Ann\\SendTo"};
  bool linksSave = true;
  bool keysOpen = true;

  std::vector<std::string> calls;
  std::vector<Link> links;                  // every shortcut asked for
  std::set<std::string> files;              // the shortcut files that exist
  std::map<std::string, std::string> keys;  // written keys and their unnamed values

 private:
  // The key and every written key below it; a key written with its parents makes them exist.
  std::vector<std::string> SubtreeOf(const std::string& key) const {
    std::vector<std::string> found;
    for (const auto& [name, value] : keys) {
      if (name == key || name.starts_with(key + "\\"))
        found.push_back(name);
    }
    return found;
  }
};

}  // namespace pixmora

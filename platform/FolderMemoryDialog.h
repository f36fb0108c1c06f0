#pragma once

#include <string>

#include "platform/FileDialog.h"

namespace pixmora {

// Every dialog of a window starts in the folder that one of them was last left in: a start
// name without a folder is put there, and no name at all starts in the folder itself.
class FolderMemoryDialog : public FileDialogService {
 public:
  explicit FolderMemoryDialog(FileDialogService& dialogs) : dialogs_(dialogs) {}

  std::optional<std::string> Run(const FileDialogOptions& dialog,
                                 const std::string& startName) override;

  // The folder as the settings file keeps it: native bytes, ending in '/', or empty.
  const std::string& Folder() const { return folder_; }
  void SetFolder(const std::string& folder);

 private:
  FileDialogService& dialogs_;
  std::string folder_;
};

// The file name of path without its folder and its extension, with extension instead:
// "/pictures/logo.png" and ".h" give "logo.h". No name gives none.
std::string RenamedExtension(const std::string& path, const std::string& extension);

}  // namespace pixmora

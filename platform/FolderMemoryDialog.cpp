#include "platform/FolderMemoryDialog.h"

namespace pixmora {

namespace {

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

void FolderMemoryDialog::SetFolder(const std::string& folder) {
  folder_ = folder.empty() || folder.back() == '/' ? folder : folder + '/';
}

std::optional<std::string> FolderMemoryDialog::Run(const FileDialogOptions& dialog,
                                                   const std::string& startName) {
  const std::string start =
      FolderOf(startName).empty() && !folder_.empty() ? folder_ + startName : startName;
  std::optional<std::string> chosen = dialogs_.Run(dialog, start);
  if (chosen && !FolderOf(*chosen).empty())
    folder_ = FolderOf(*chosen);
  return chosen;
}

std::string RenamedExtension(const std::string& path, const std::string& extension) {
  const std::string name = path.substr(FolderOf(path).size());
  if (name.empty())
    return {};
  const auto dot = name.find_last_of('.');
  return (dot == std::string::npos || dot == 0 ? name : name.substr(0, dot)) + extension;
}

}  // namespace pixmora

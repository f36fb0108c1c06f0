#include "platform/FileDialog.h"

namespace pixmora {

std::string DefaultExtensionFor(const FileDialogOptions& dialog, std::size_t filterIndex) {
  if (filterIndex >= dialog.filters.size())
    return dialog.defaultExtension;
  const std::string& patterns = dialog.filters[filterIndex].patterns;
  const bool oneExtension = patterns.starts_with("*.") && patterns.size() > 2 &&
                            patterns.find_first_of(";*?", 2) == std::string::npos;
  return oneExtension ? patterns.substr(1) : dialog.defaultExtension;
}

}  // namespace pixmora

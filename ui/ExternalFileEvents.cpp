#include "ui/ExternalFileEvents.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "image/ReadImageFile.h"

namespace pixmora {

namespace {

// Command line and drop accept the same extensions; the order of comparing them is not seen.
bool HasImageExtension(const std::string& name) {
  static constexpr std::array<std::string_view, 6> kExtensions = {".JPG", ".JPEG", ".ICO",
                                                                  ".PNG", ".GIF",  ".BMP"};
  const std::string extension = UpperExtension(name);
  return std::find(kExtensions.begin(), kExtensions.end(), extension) != kExtensions.end();
}

}  // namespace

bool IsCommandLineImage(const std::string& argument) {
  return HasImageExtension(argument);
}

std::optional<std::string> FileToLoadFromDrop(const std::vector<std::string>& names,
                                              MessageBoxService& messages) {
  if (names.empty())
    return std::nullopt;
  if (!HasImageExtension(names.front())) {
    messages.Show("Invalid file extension", "Error", MessageIcon::Error, MessageButtons::OK);
    return std::nullopt;
  }
  return names.front();
}

bool ReloadAfterChange(const std::string& currentFileName, bool& ignoreNextChange,
                       const Preferences& preferences, MessageBoxService& messages) {
  if (currentFileName.empty() || ignoreNextChange) {
    ignoreNextChange = false;
    return false;
  }
  if (preferences.Is(Option::SystemAskReload) && preferences.Is(Option::SystemAutoDetect)) {
    return messages.Show("File has changed.\n     Reload?", "Change detection",
                         MessageIcon::Question, MessageButtons::OKCancel) == MessageResult::OK;
  }
  return true;
}

}  // namespace pixmora

#include "settings/SettingsLocation.h"

#include "settings/SettingsFile.h"

namespace pixmora {

std::string SettingsFilePath(const std::string& programFolder, bool programFolderWritable,
                             const char* configHome, const char* home) {
  std::string folder = programFolder;
  // A relative $XDG_CONFIG_HOME is ignored, as the desktop conventions say.
  if (!programFolderWritable && configHome && configHome[0] == '/') {
    folder = configHome;
  } else if (!programFolderWritable && home && home[0] != '\0') {
    folder = std::string(home) + "/.config";
  }
  return folder + "/" + kSettingsFileName;
}

}  // namespace pixmora

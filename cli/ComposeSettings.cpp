#include "cli/ComposeSettings.h"

#include "settings/IniFile.h"
#include "settings/SettingsFile.h"
#include "settings/TargetSettingsFile.h"

namespace pixmora::cli {

std::string ComposeSettings(const CliOptions& o, Settings& s) {
  if (o.settings) {
    IniFile file;
    if (std::string reason = file.Load(*o.settings); !reason.empty()) {
      return *o.settings + ": " + reason;
    }
    ReadPreferences(file, s.preferences);
    ReadCustomFormat(file, s.custom);
    s.filter = ReadResizeOptions(file).optimizeImage ? ResampleFilter::Linear : ResampleFilter::Box;
    if (std::string reason = ReadTargetSettings(file, s.target); !reason.empty())
      return *o.settings + ": " + reason;
  }
  for (const auto& [option, on] : o.choices)
    s.preferences.Set(option, on);
  for (const auto& [member, text] : o.tokens)
    s.custom.*member = text;
  if (o.perLine)
    s.custom.SetBytesPerLine(*o.perLine);
  if (o.filter)
    s.filter = *o.filter;
  for (const TargetChoice& choice : o.targetChoices)
    InfoOf(choice.setting).read(s.target, choice.value);
  return {};
}

std::string SavedSettingsText(const std::string& path, const Settings& s) {
  IniFile file;
  file.Load(path);
  WritePreferences(file, s.preferences);
  WriteCustomFormat(file, s.custom);
  WriteTargetSettings(file, s.target);
  return file.Text();
}

}  // namespace pixmora::cli

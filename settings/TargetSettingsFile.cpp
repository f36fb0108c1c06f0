#include "settings/TargetSettingsFile.h"

namespace pixmora {

std::string ReadTargetSettings(const IniFile& file, TargetSettings& settings) {
  std::string firstError;
  for (const TargetSettingInfo& info : TargetSettingTable()) {
    const std::optional<std::string> value = file.ReadValue(kTargetSection, info.key);
    if (!value)
      continue;
    if (std::string reason = info.read(settings, *value); !reason.empty() && firstError.empty())
      firstError = std::string("[") + kTargetSection + "] " + info.key + ": " + reason;
  }
  return firstError;
}

void WriteTargetSettings(IniFile& file, const TargetSettings& settings) {
  for (const TargetSettingInfo& info : TargetSettingTable())
    file.WriteString(kTargetSection, info.key, info.write(settings));
}

}  // namespace pixmora

#include "settings/PreviewSettings.h"

#include <algorithm>

namespace pixmora {

void ReadPreviewSettings(const IniFile& file, PreviewSettings& settings) {
  settings.shown = file.ReadBool(kPreviewSection, "Shown", settings.shown);
  settings.instead = file.ReadBool(kPreviewSection, "Instead", settings.instead);
  settings.differences = file.ReadBool(kPreviewSection, "Differences", settings.differences);
  settings.tolerance =
      std::clamp(file.ReadInteger(kPreviewSection, "Tolerance", settings.tolerance), 0,
                 kMaxDifferenceTolerance);
}

void WritePreviewSettings(IniFile& file, const PreviewSettings& settings) {
  file.WriteBool(kPreviewSection, "Shown", settings.shown);
  file.WriteBool(kPreviewSection, "Instead", settings.instead);
  file.WriteBool(kPreviewSection, "Differences", settings.differences);
  file.WriteInteger(kPreviewSection, "Tolerance", settings.tolerance);
}

}  // namespace pixmora

#pragma once

#include "decode/PictureCompare.h"
#include "settings/IniFile.h"

namespace pixmora {

inline constexpr const char* kPreviewSection = "Preview";

// The desktop program's Display preview, kept in section "Preview" of the settings file.
struct PreviewSettings {
  bool shown = false;                           // Shown: the preview is on
  bool instead = false;                         // Instead: in place of the picture, not beside it
  bool differences = false;                     // Differences: the pixels that differ are marked
  int tolerance = kDefaultDifferenceTolerance;  // Tolerance: 0 to 255

  bool operator==(const PreviewSettings&) const = default;
};

// A missing key keeps its setting; a tolerance outside 0 to 255 is brought into it.
void ReadPreviewSettings(const IniFile& file, PreviewSettings& settings);
void WritePreviewSettings(IniFile& file, const PreviewSettings& settings);

}  // namespace pixmora

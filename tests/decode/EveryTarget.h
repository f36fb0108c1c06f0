#pragma once

#include <vector>

#include "targets/TargetSettings.h"

namespace pixmora {

// Every target but the classic one, each LVGL color format on its own, with default choices.
inline std::vector<TargetSettings> EveryTarget() {
  std::vector<TargetSettings> all;
  for (const TargetInfo& info : kTargets) {
    if (info.kind == TargetKind::Lvgl9) {
      for (const LvglFormatInfo& format : kLvglFormats)
        all.push_back({.target = info.kind, .colorFormat = format.format});
    } else if (info.kind != TargetKind::Classic) {
      all.push_back({.target = info.kind});
    }
  }
  return all;
}

}  // namespace pixmora

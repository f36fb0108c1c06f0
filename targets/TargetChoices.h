#pragma once

#include <string>

#include "targets/TargetSettings.h"

namespace pixmora {

// Why a setting that was asked for by `option` (its option or the opposite one) makes no sense
// with the chosen target and the other settings; empty when it does. The reason names the
// option and the target.
std::string CheckTargetChoice(const TargetSettings& settings, TargetSetting setting,
                              const std::string& option);

}  // namespace pixmora

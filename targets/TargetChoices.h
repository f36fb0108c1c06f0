#pragma once

#include <string>

#include "targets/TargetSettings.h"

namespace pixmora {

// Whether the chosen target reads the setting, given the other settings: the color format only
// lvgl9, the mask only rgb565 and gray8, and so on. A setting that does not apply keeps its
// value and changes nothing. rgb565 takes a mask or swapped bytes, not both.
bool ChoiceApplies(const TargetSettings& settings, TargetSetting setting);

// Why a setting that was asked for by `option` (its option or the opposite one) makes no sense
// with the chosen target and the other settings; empty when it does. The reason names the
// option and the target.
std::string CheckTargetChoice(const TargetSettings& settings, TargetSetting setting,
                              const std::string& option);

}  // namespace pixmora

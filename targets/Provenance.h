#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "targets/TargetSettings.h"

namespace pixmora {

// What the comment of a target's code says made it: "TOOL VERSION: pixmora-cli ARGUMENTS",
// the arguments quoted where a shell would need it.
std::string Provenance(std::string_view tool, std::span<const std::string> arguments);

// The pixmora-cli arguments that make what the desktop program makes of the picture `image`:
// the picture's file name, then the target and every other choice that applies to it and is not
// the default, in the order of the settings table, then "-o" and `output` when there is one.
std::vector<std::string> EquivalentArguments(std::string_view image, const TargetSettings& settings,
                                             std::string_view output);

}  // namespace pixmora

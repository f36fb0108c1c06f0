#pragma once

#include <string>
#include <string_view>

namespace pixmora {

// The name of a target's arrays: `requested` made a C identifier (CIdentifier), with a "_"
// after it when it is a keyword of C or C++, which no declaration may use as its name.
std::string ArrayName(std::string_view requested);

}  // namespace pixmora

#pragma once

#include <string>
#include <string_view>

namespace pixmora {

// The name of a target's arrays: `requested` made a C identifier (CIdentifier), with a "_"
// after it when it is a keyword of C or C++, which no declaration may use as its name.
std::string ArrayName(std::string_view requested);

// The upper-case form of an array's name, which its macros (NAME_WIDTH, ...) start with.
std::string MacroName(std::string_view arrayName);

}  // namespace pixmora

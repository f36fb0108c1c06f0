#pragma once

#include <string>

#include "targets/TargetData.h"

namespace pixmora {

// The C text of a target, with LF line ends: one header (--code header), or a .c file with the
// data and a .h file with the declarations (--code c, and always for lvgl9).
struct CodeFiles {
  std::string header;
  std::string source;  // empty for a lone header
};

// Replaces the text of `files`, whose memory a caller may keep from one run to the next.
// `provenance` names the tool, its version and the command line that made the output; the .c
// file includes the header by `headerFileName`.
void WriteCode(const TargetData& data, const TargetSettings& settings,
               const std::string& provenance, const std::string& headerFileName, CodeFiles& files);

// Whether the target writes a .c and a .h file.
bool WritesSourceFile(const TargetSettings& settings);

}  // namespace pixmora

#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "targets/TargetData.h"

namespace pixmora {

// Where a target's output goes when it is written to a file.
struct TargetFiles {
  std::string mainFile;    // the header, the raw bytes, or the .c file of a pair
  std::string headerFile;  // the .h of a pair; empty otherwise
  bool binary = false;
};

// The files of a target's output named `fileName`: raw bytes when the name ends in .bin (in
// any case), else one header, or for a target that writes a .c and a .h file FILE.c and
// FILE.h from the name FILE.c, FILE.h or FILE. Nothing when a pair is named with another
// extension.
std::optional<TargetFiles> TargetFilesFor(const std::string& fileName,
                                          const TargetSettings& settings);

// Every file's path and bytes in writing order, the header before the .c; the comment of the
// code names `provenance`.
std::vector<std::pair<std::string, std::string>> TargetFileContents(const TargetData& data,
                                                                    const TargetSettings& settings,
                                                                    const std::string& provenance,
                                                                    const TargetFiles& files);

}  // namespace pixmora

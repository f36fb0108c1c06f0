#pragma once

#include <span>
#include <string>
#include <vector>

#include "cli/CliOptions.h"
#include "cli/OutputFiles.h"

namespace pixmora::cli {

// A dependency file in Make syntax, which Make and Ninja read: one rule by which every output
// depends on every input.
std::string DepFileText(std::span<const std::string> outputs, std::span<const std::string> inputs);

// Writes it whole or not at all; an unchanged one keeps its time stamp. Returns "FILE: reason"
// or an empty text.
std::string WriteDepFile(const std::string& path, std::span<const std::string> outputs,
                         std::span<const std::string> inputs);

// What a run of these options reads: the pictures and the settings file.
std::vector<std::string> InputsOf(const CliOptions& o);

std::vector<std::string> PathsOf(std::span<const CommittedFile> files);

}  // namespace pixmora::cli

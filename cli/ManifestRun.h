#pragma once

#include <cstdio>
#include <span>
#include <string>

namespace pixmora::cli {

// Whether the arguments start with the subcommand "build".
bool IsBuildCommand(std::span<const std::string> arguments);

// pixmora-cli build MANIFEST [-o DIR] [-j N] [--fail-fast] [--stats] [--depfile FILE]
// [--list-outputs], the arguments after "build": converts every picture of the manifest.
// Outputs resolve against -o DIR, or else the manifest's folder. A manifest with a fault
// converts nothing.
int RunManifest(std::span<const std::string> arguments, std::FILE* out, std::FILE* err);

}  // namespace pixmora::cli

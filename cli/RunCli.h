#pragma once

#include <cstdio>
#include <span>
#include <string>
#include <vector>

#include "cli/CliOptions.h"
#include "cli/ComposeSettings.h"
#include "cli/OutputFiles.h"

namespace pixmora::cli {

enum ExitCode {
  kSuccess = 0,
  kConversionRefused = 1,
  kUsageError = 2,
  kInputError = 3,
  kOutputError = 4,
  kVerificationFailed = 5,
};

// The whole command: the arguments without the program name; the export text and --describe go
// to out, messages to err. showProgress draws a progress bar on err.
int RunCli(std::span<const std::string> arguments, std::FILE* out, std::FILE* err,
           bool showProgress);

// What one picture's conversion wrote.
struct PictureReport {
  std::size_t dataSize = 0;  // the bytes of the arrays, color table included
  std::vector<CommittedFile> files;
};

// One picture with its settings composed: loads o.image, runs the edits, converts and writes.
// commandLine is what the comment of a target's output quotes after the program name.
int ConvertPicture(const CliOptions& o, const Settings& settings,
                   std::span<const std::string> commandLine, std::FILE* out, std::FILE* err,
                   bool showProgress, PictureReport& report);

}  // namespace pixmora::cli

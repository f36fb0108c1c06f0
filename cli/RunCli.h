#pragma once

#include <cstdio>
#include <span>
#include <string>

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

}  // namespace pixmora::cli

#pragma once

namespace pixmora::cli {

// The text of --help: every option, its values and default, and the exit codes.
const char* HelpText();
// The text of --version.
const char* VersionText();

}  // namespace pixmora::cli

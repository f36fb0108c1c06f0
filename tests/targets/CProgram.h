#pragma once

// Builds and runs small C programs from files a test writes into a folder of its own, with the
// system C compiler and the C++ compiler, every warning an error.

#include <string>
#include <vector>

namespace pixmora::testing {

struct CommandResult {
  int status = -1;     // the exit status, or -1 when the command did not run to its end
  std::string output;  // standard output and standard error together
};

CommandResult RunCommand(const std::string& command);

class CProgram {
 public:
  explicit CProgram(std::string folder) : folder_(std::move(folder)) {}

  void Write(const std::string& name, const std::string& text) const;
  std::string Path(const std::string& name) const { return folder_ + "/" + name; }

  // Compiles `sources` as C99 (the .c files of `cOnly` too) and links them. Returns the
  // compiler's complaint, or an empty text.
  std::string BuildC(const std::vector<std::string>& sources, const std::vector<std::string>& cOnly,
                     const std::string& program, const std::string& flags = "") const;
  // Compiles `sources` as C++17 and `cOnly` as C99, and links them together.
  std::string BuildCxx(const std::vector<std::string>& sources,
                       const std::vector<std::string>& cOnly, const std::string& program,
                       const std::string& flags = "") const;
  CommandResult Run(const std::string& program) const;

 private:
  std::string Compile(const std::string& compiler, const std::string& language,
                      const std::vector<std::string>& sources, const std::string& flags) const;
  std::string Link(const std::string& linker, const std::vector<std::string>& sources,
                   const std::string& program) const;

  std::string folder_;
};

}  // namespace pixmora::testing

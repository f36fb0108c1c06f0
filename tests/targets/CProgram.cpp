#include "tests/targets/CProgram.h"

#include <sys/wait.h>

#include <cstdio>
#include <stdexcept>

#include "platform/AtomicFile.h"

namespace pixmora::testing {

namespace {

constexpr const char* kWarnings = " -Wall -Wextra -Werror -pedantic";

}  // namespace

CommandResult RunCommand(const std::string& command) {
  CommandResult result;
  std::FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr)
    return result;
  char buffer[65536];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
    result.output.append(buffer, n);
  const int status = pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

void CProgram::Write(const std::string& name, const std::string& text) const {
  if (std::string reason = WriteFileAtomically(Path(name), text); !reason.empty())
    throw std::runtime_error(Path(name) + ": " + reason);
}

// One compiler run for all `sources`: each leaves its object file beside it.
std::string CProgram::Compile(const std::string& compiler, const std::string& language,
                              const std::vector<std::string>& sources,
                              const std::string& flags) const {
  if (sources.empty())
    return {};
  std::string command =
      "cd " + folder_ + " && " + compiler + " " + language + kWarnings + " -I. " + flags + " -c";
  for (const std::string& source : sources)
    command += " " + source;
  const CommandResult result = RunCommand(command);
  return result.status == 0 ? "" : command + "\n" + result.output;
}

std::string CProgram::Link(const std::string& linker, const std::vector<std::string>& sources,
                           const std::string& program) const {
  std::string command = "cd " + folder_ + " && " + linker;
  for (const std::string& source : sources)
    command += " " + source.substr(0, source.rfind('.')) + ".o";
  command += " -o " + program;
  const CommandResult result = RunCommand(command);
  return result.status == 0 ? "" : command + "\n" + result.output;
}

std::string CProgram::BuildC(const std::vector<std::string>& sources,
                             const std::vector<std::string>& cOnly, const std::string& program,
                             const std::string& flags) const {
  std::vector<std::string> all = sources;
  all.insert(all.end(), cOnly.begin(), cOnly.end());
  if (std::string error = Compile(PIXMORA_C_COMPILER, "-x c -std=c99", all, flags); !error.empty())
    return error;
  return Link(PIXMORA_C_COMPILER, all, program);
}

std::string CProgram::BuildCxx(const std::vector<std::string>& sources,
                               const std::vector<std::string>& cOnly, const std::string& program,
                               const std::string& flags) const {
  if (std::string error = Compile(PIXMORA_C_COMPILER, "-x c -std=c99", cOnly, flags);
      !error.empty()) {
    return error;
  }
  if (std::string error = Compile(PIXMORA_CXX_COMPILER, "-x c++ -std=c++17", sources, flags);
      !error.empty()) {
    return error;
  }
  std::vector<std::string> all = sources;
  all.insert(all.end(), cOnly.begin(), cOnly.end());
  return Link(PIXMORA_CXX_COMPILER, all, program);
}

CommandResult CProgram::Run(const std::string& program) const {
  return RunCommand(Path(program));
}

}  // namespace pixmora::testing

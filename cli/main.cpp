#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "cli/RunCli.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  return pixmora::cli::RunCli(arguments, stdout, stderr, isatty(STDERR_FILENO) == 1);
}

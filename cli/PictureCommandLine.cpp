#include "cli/PictureCommandLine.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include "cli/CliOptions.h"
#include "conversion/ImageBaseName.h"

namespace pixmora::cli {

namespace {

constexpr std::array<std::string_view, 7> kRunOptions{
    "--output", "--table-output", "--jobs",        "--fail-fast",
    "--stats",  "--depfile",      "--list-outputs"};

}  // namespace

std::vector<std::string> PictureCommandLine(std::span<const std::string> arguments,
                                            const std::string& picture) {
  std::vector<std::string> line;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--")
      break;
    const auto equals = argument.find('=');
    const auto option = argument.size() > 1 && argument[0] == '-'
                            ? FindOption(argument.substr(0, equals))
                            : std::nullopt;
    if (!option)
      continue;  // a picture
    std::optional<std::string> value;
    if (equals != std::string::npos) {
      value = argument.substr(equals + 1);
    } else if (option->takesValue && i + 1 < arguments.size()) {
      value = arguments[++i];
    }
    if (std::find(kRunOptions.begin(), kRunOptions.end(), option->name) != kRunOptions.end())
      continue;
    line.push_back(option->name);
    if (value)
      line.push_back(option->name == "--settings" ? FileNameOf(*value) : *value);
  }
  line.push_back(FileNameOf(picture));
  return line;
}

}  // namespace pixmora::cli

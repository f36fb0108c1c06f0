#include "targets/Provenance.h"

#include <algorithm>

#include "conversion/ImageBaseName.h"
#include "targets/TargetChoices.h"

namespace pixmora {

namespace {

bool NeedsNoQuotes(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
         std::string_view("_-./=,:+@%").find(c) != std::string_view::npos;
}

// A name the command line would take for an option is given with its folder.
std::string AsArgument(std::string fileName) {
  return !fileName.empty() && fileName.front() == '-' ? "./" + fileName : fileName;
}

}  // namespace

std::string Provenance(std::string_view tool, std::span<const std::string> arguments) {
  std::string text = std::string(tool) + " " PIXMORA_VERSION ": pixmora-cli";
  for (const std::string& argument : arguments) {
    text += ' ';
    if (!argument.empty() && std::all_of(argument.begin(), argument.end(), NeedsNoQuotes)) {
      text += argument;
      continue;
    }
    text += '\'';
    for (const char c : argument)
      text += c == '\'' ? std::string("'\\''") : std::string(1, c);
    text += '\'';
  }
  return text;
}

std::vector<std::string> EquivalentArguments(std::string_view image, const TargetSettings& settings,
                                             std::string_view output) {
  std::vector<std::string> arguments{AsArgument(FileNameOf(image))};
  const TargetSettings defaults;
  for (const TargetSettingInfo& info : TargetSettingTable()) {
    const std::string value = info.write(settings);
    const bool target = info.setting == TargetSetting::Target;
    if (!target && (!ChoiceApplies(settings, info.setting) || value == info.write(defaults)))
      continue;
    // A flag's option sets the opposite of the default.
    arguments.emplace_back(info.option);
    if (info.kind != SettingKind::Flag)
      arguments.push_back(value);
  }
  if (!output.empty()) {
    arguments.emplace_back("-o");
    arguments.push_back(AsArgument(FileNameOf(output)));
  }
  return arguments;
}

}  // namespace pixmora

#include "cli/TargetRun.h"

#include <algorithm>

#include "cli/PictureCommandLine.h"
#include "conversion/ImageBaseName.h"
#include "image/ReadImageFile.h"
#include "targets/ArrayName.h"
#include "targets/CodeWriter.h"
#include "targets/RawBytes.h"
#include "targets/TargetChoices.h"
#include "ui/ExportFiles.h"

namespace pixmora::cli {

namespace {

bool NeedsNoQuotes(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
         std::string_view("_-./=,:+@%").find(c) != std::string_view::npos;
}

// The command line as a shell would take it back.
std::string CommandLine(std::span<const std::string> arguments) {
  std::string text = "pixmora-cli";
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

// The option that asks for two files.
std::string PairOption(const TargetSettings& settings) {
  return settings.target == TargetKind::Lvgl9 ? "--target lvgl9" : "--code c";
}

}  // namespace

std::string CheckTargetOptions(const CliOptions& o, const TargetSettings& settings) {
  for (const TargetChoice& choice : o.targetChoices) {
    if (std::string error = CheckTargetChoice(settings, choice.setting, choice.option);
        !error.empty()) {
      return error;
    }
  }
  if (settings.target != TargetKind::Classic && !o.classicOptions.empty()) {
    return o.classicOptions.front() + ": applies to --target classic, not " +
           TargetLabel(settings.target, settings.colorFormat);
  }
  return {};
}

TargetOutputPlan PlanTargetOutput(const CliOptions& o, const TargetSettings& settings) {
  TargetOutputPlan plan;
  const bool pair = WritesSourceFile(settings);
  if (!o.output) {
    if (pair)
      plan.error = PairOption(settings) + ": writes a .c and a .h file; name them with -o FILE.c";
    return plan;
  }
  plan.mainFile = *o.output;
  if (ExportKindOf(*o.output) == ExportKind::Binary) {
    plan.binary = true;
    return plan;
  }
  if (!pair)
    return plan;
  const std::string extension = UpperExtension(*o.output);
  if (!extension.empty() && extension != ".C" && extension != ".H") {
    plan.error = PairOption(settings) +
                 ": -o names the .c and .h pair as FILE.c, FILE.h or FILE, got '" + *o.output + "'";
    return plan;
  }
  const std::string stem = o.output->substr(0, o.output->size() - extension.size());
  plan.mainFile = stem + ".c";
  plan.headerFile = stem + ".h";
  return plan;
}

TargetOutcome RunTarget(const CliOptions& o, const TargetSettings& settings,
                        const ImageDocument& document, const TargetOutputPlan& plan,
                        std::span<const std::string> arguments, OutputFiles& files) {
  TargetOutcome outcome;
  std::span<const std::uint32_t> palette;
  if (document.HasPalette) {
    palette = std::span(document.ColorTable)
                  .first(std::min(document.ColorTable.size(),
                                  static_cast<std::size_t>(document.PaletteColorCount)));
  }
  const TargetInput input{document.WorkingImage, palette, settings,
                          ArrayName(o.name ? *o.name : ImageBaseName(o.image))};
  const TargetResult result = EncodeTarget(input);
  if (!result.error.empty()) {
    outcome.refusal = result.error;
    return outcome;
  }
  outcome.dataSize = RawSize(result.data);
  if (plan.binary) {
    files.Add(plan.mainFile).Write(RawBytes(result.data));
    return outcome;
  }
  const std::string provenance = "pixmora-cli " PIXMORA_VERSION ": " + CommandLine(arguments);
  CodeFiles code;
  WriteCode(result.data, settings, provenance, FileNameOf(plan.headerFile), code);
  if (plan.mainFile.empty()) {
    outcome.standardOutput = code.header;
  } else if (plan.headerFile.empty()) {
    files.Add(plan.mainFile).Write(code.header);
  } else {
    files.Add(plan.headerFile).Write(code.header);
    files.Add(plan.mainFile).Write(code.source);
  }
  return outcome;
}

}  // namespace pixmora::cli

#include "cli/TargetRun.h"

#include "conversion/ImageBaseName.h"
#include "targets/CodeWriter.h"
#include "targets/DocumentTarget.h"
#include "targets/Provenance.h"
#include "targets/RawBytes.h"
#include "targets/TargetChoices.h"

namespace pixmora::cli {

namespace {

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
  if (!o.output) {
    if (WritesSourceFile(settings))
      plan.error = PairOption(settings) + ": writes a .c and a .h file; name them with -o FILE.c";
    return plan;
  }
  if (const auto files = TargetFilesFor(*o.output, settings)) {
    plan.files = *files;
  } else {
    plan.error = PairOption(settings) +
                 ": -o names the .c and .h pair as FILE.c, FILE.h or FILE, got '" + *o.output + "'";
  }
  return plan;
}

TargetOutcome RunTarget(const CliOptions& o, const TargetSettings& settings,
                        const ImageDocument& document, const TargetOutputPlan& plan,
                        std::span<const std::string> arguments, OutputFiles& files) {
  TargetOutcome outcome;
  const TargetResult result =
      EncodeDocument(document, settings, o.name ? *o.name : ImageBaseName(o.image));
  if (!result.error.empty()) {
    outcome.refusal = result.error;
    return outcome;
  }
  outcome.dataSize = RawSize(result.data);
  const std::string provenance = Provenance("pixmora-cli", arguments);
  if (plan.files.mainFile.empty()) {
    CodeFiles code;
    WriteCode(result.data, settings, provenance, {}, code);
    outcome.standardOutput = std::move(code.header);
    return outcome;
  }
  for (auto& [path, bytes] : TargetFileContents(result.data, settings, provenance, plan.files))
    files.Add(path).Write(bytes);
  return outcome;
}

}  // namespace pixmora::cli

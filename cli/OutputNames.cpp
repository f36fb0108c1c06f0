#include "cli/OutputNames.h"

#include "cli/TargetRun.h"
#include "targets/CodeWriter.h"

namespace pixmora::cli {

namespace {

std::string Extension(const Settings& settings) {
  if (settings.target.target != TargetKind::Classic)
    return WritesSourceFile(settings.target) ? ".c" : ".h";
  switch (settings.preferences.Effective(OptionGroup::OutputFormat)) {
    case Option::BasicData:
      return ".bas";
    case Option::Custom:
      return ".inc";
    default:
      return ".h";
  }
}

}  // namespace

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (folder.empty())
    return name;
  return folder.back() == '/' ? folder + name : folder + "/" + name;
}

std::string OutputPathIn(const std::string& folder, const std::string& stem,
                         const Settings& settings) {
  return JoinPath(folder, stem + Extension(settings));
}

std::vector<std::string> PlannedFiles(const CliOptions& o, const Settings& settings,
                                      std::string& error) {
  if (settings.target.target == TargetKind::Classic) {
    std::vector<std::string> files{o.output.value_or("")};
    if (o.tableOutput)
      files.push_back(*o.tableOutput);
    return files;
  }
  const TargetOutputPlan plan = PlanTargetOutput(o, settings.target);
  error = plan.error;
  if (plan.files.headerFile.empty())
    return {plan.files.mainFile};
  return {plan.files.mainFile, plan.files.headerFile};
}

}  // namespace pixmora::cli

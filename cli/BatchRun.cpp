#include "cli/BatchRun.h"

#include <filesystem>

#include "cli/ComposeSettings.h"
#include "cli/DepFile.h"
#include "cli/OutputNames.h"
#include "cli/PictureCommandLine.h"
#include "cli/RunMany.h"
#include "cli/TargetRun.h"
#include "cli/ThreadPool.h"
#include "conversion/ImageBaseName.h"

namespace pixmora::cli {

namespace {

// The options that name one file or print about one picture.
std::string RefusedOption(const CliOptions& o) {
  const std::pair<bool, const char*> single[] = {
      {o.name.has_value() && !o.framesFiles,
       "--name: names the arrays of one picture; several are named after "
       "their files (a manifest names each)"},
      {o.tableOutput.has_value(), "--table-output: names one file; a manifest names each"},
      {o.saveImage.has_value(), "--save-image: names one file"},
      {o.saveSettings.has_value(), "--save-settings: names one file"},
      {o.describe, "--describe: describes one picture"},
  };
  for (const auto& [given, message] : single) {
    if (given)
      return message;
  }
  return {};
}

// Each picture is a job of its own; the pictures of --frames-files are the frames of one table,
// named after the first.
std::vector<std::vector<std::string>> PicturesOfJobs(const CliOptions& o) {
  if (o.framesFiles)
    return {o.images};
  std::vector<std::vector<std::string>> jobs;
  for (const std::string& picture : o.images)
    jobs.push_back({picture});
  return jobs;
}

}  // namespace

bool WritesIntoFolder(const CliOptions& o) {
  if (!o.output)
    return false;
  // The pictures of --frames-files are one table's frames.
  return (o.images.size() > 1 && !o.framesFiles) || o.output->ends_with('/') ||
         std::filesystem::is_directory(*o.output);
}

int RunBatch(const CliOptions& o, std::span<const std::string> arguments, std::FILE* out,
             std::FILE* err) {
  const auto fail = [err](int code, const std::string& message) {
    std::fprintf(err, "%s\n", message.c_str());
    return code;
  };
  if (std::string error = RefusedOption(o); !error.empty())
    return fail(kUsageError, error);
  Settings settings;
  if (std::string error = ComposeSettings(o, settings); !error.empty())
    return fail(kInputError, error);
  if (std::string error = CheckTargetOptions(o, settings.target); !error.empty())
    return fail(kUsageError, error);

  std::vector<PictureJob> jobs;
  for (const std::vector<std::string>& pictures : PicturesOfJobs(o)) {
    const std::string& picture = pictures.front();
    PictureJob job{.options = o, .settings = settings};
    job.options.image = picture;
    job.options.images = pictures;
    job.options.output = OutputPathIn(*o.output, o.name.value_or(ImageBaseName(picture)), settings);
    job.options.stats = false;
    job.options.depfile.reset();
    job.commandLine = PictureCommandLine(arguments, picture);
    for (const std::string& frame : std::span(pictures).subspan(1))
      job.commandLine.push_back(FileNameOf(frame));
    std::string error;
    job.outputs = PlannedFiles(job.options, settings, error);
    if (!error.empty())
      return fail(kUsageError, error);
    jobs.push_back(std::move(job));
  }
  const ManyRun run{.threads = o.jobs.value_or(ProcessorCount()),
                    .failFast = o.failFast,
                    .stats = o.stats,
                    .listOutputs = o.listOutputs,
                    .depfile = o.depfile,
                    .inputs = InputsOf(o)};
  return RunMany(jobs, run, out, err);
}

}  // namespace pixmora::cli

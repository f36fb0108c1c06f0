#include "cli/ManifestRun.h"

#include <algorithm>
#include <array>
#include <filesystem>

#include "cli/CliOptions.h"
#include "cli/HelpText.h"
#include "cli/Manifest.h"
#include "cli/OutputNames.h"
#include "cli/PictureCommandLine.h"
#include "cli/RunMany.h"
#include "cli/TargetRun.h"
#include "cli/ThreadPool.h"
#include "conversion/ImageBaseName.h"

namespace pixmora::cli {

namespace {

constexpr std::array<std::string_view, 7> kBuildOptions{
    "--output", "--jobs", "--fail-fast", "--stats", "--depfile", "--list-outputs", "--help"};

// The manifests named, or the first option that belongs into the manifest.
std::string ScanArguments(std::span<const std::string> arguments,
                          std::vector<std::string>& manifests) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument.size() < 2 || argument[0] != '-') {
      manifests.push_back(argument);
      continue;
    }
    const auto equals = argument.find('=');
    const auto option = FindOption(argument.substr(0, equals));
    if (!option)
      continue;  // the parser names it
    if (option->takesValue && equals == std::string::npos)
      ++i;
    if (std::find(kBuildOptions.begin(), kBuildOptions.end(), option->name) == kBuildOptions.end())
      return "build: " + option->name + ": goes into the manifest, in [defaults] or an [[image]]";
  }
  return {};
}

void AddInput(std::vector<std::string>& inputs, const std::string& path) {
  if (std::find(inputs.begin(), inputs.end(), path) == inputs.end())
    inputs.push_back(path);
}

struct Planning {
  std::string manifest;
  std::string outputFolder;
  std::vector<std::string> errors;
  int code = kSuccess;
  std::vector<std::string> inputs;

  void Refuse(int status, const std::string& message) {
    errors.push_back(message);
    code = std::max(code, status);
  }
};

// The options as arguments, the picture last, and where each option was written.
std::vector<std::string> ArgumentsOf(std::span<const ManifestOption> options,
                                     const Planning& planning, PictureJob& job) {
  std::vector<std::string> arguments;
  job.places.clear();
  for (const ManifestOption& option : options) {
    arguments.insert(arguments.end(), option.arguments.begin(), option.arguments.end());
    job.places.emplace_back(
        option.arguments.front(),
        planning.manifest + ":" + std::to_string(option.line) + ": " + option.key);
  }
  return arguments;
}

// The options of an image that fit it: a key of [defaults] that the image's target does not
// read, or that its other keys leave no use for (frame-delta without frames), is left out for
// it; one of the image's own is a fault. Returns the fault, if any.
std::string SettleOptions(const ManifestImage& image, Planning& planning, PictureJob& job) {
  std::vector<ManifestOption> options = image.options;
  for (;;) {
    std::vector<std::string> arguments = ArgumentsOf(options, planning, job);
    job.commandLine = PictureCommandLine(arguments, image.file);
    arguments.push_back(image.file);
    const ParseResult parsed = ParseCommandLine(arguments);
    std::string error = parsed.error;
    if (error.empty()) {
      job.options = parsed.options;
      job.settings = {};
      if (error = ComposeSettings(job.options, job.settings); !error.empty()) {
        planning.Refuse(kInputError, PlaceMessage(job, "--settings: " + error));
        return {};
      }
      error = CheckTargetOptions(job.options, job.settings.target);
    }
    const auto subject = std::find_if(options.begin(), options.end(), [&](const auto& option) {
      return MessageIsAbout(error, option.arguments.front());
    });
    if (error.empty() || subject == options.end() || !subject->fromDefaults)
      return error;
    options.erase(subject);
  }
}

// The job of one image, its faults added to the planning.
PictureJob JobOf(const ManifestImage& image, Planning& planning) {
  PictureJob job;
  job.place = planning.manifest + ":" + std::to_string(image.line);
  job.options.image = image.file;
  const std::size_t faults = planning.errors.size();
  if (std::string error = SettleOptions(image, planning, job); !error.empty())
    planning.Refuse(kUsageError, PlaceMessage(job, error));
  if (planning.errors.size() > faults)
    return job;
  AddInput(planning.inputs, image.file);
  if (job.options.settings)
    AddInput(planning.inputs, *job.options.settings);
  // Named after the arrays: the picture's file name, or the name the manifest gives them.
  const std::string stem = job.options.name.value_or(ImageBaseName(image.file));
  job.options.output =
      image.output.value_or(OutputPathIn(planning.outputFolder, stem, job.settings));
  std::string error;
  job.outputs = PlannedFiles(job.options, job.settings, error);
  if (!error.empty()) {
    planning.Refuse(kUsageError, image.output
                                     ? planning.manifest + ":" + std::to_string(image.outputLine) +
                                           ": output: " + error
                                     : PlaceMessage(job, error));
  }
  return job;
}

}  // namespace

bool IsBuildCommand(std::span<const std::string> arguments) {
  return !arguments.empty() && arguments.front() == "build";
}

int RunManifest(std::span<const std::string> arguments, std::FILE* out, std::FILE* err) {
  const auto fail = [err](int code, const std::string& message) {
    std::fprintf(err, "%s\n", message.c_str());
    return code;
  };
  std::vector<std::string> manifests;
  if (std::string error = ScanArguments(arguments, manifests); !error.empty())
    return fail(kUsageError, error);
  const ParseResult parsed = ParseCommandLine(arguments);
  if (parsed.options.help) {
    std::fputs(HelpText(), out);
    return kSuccess;
  }
  if (manifests.size() != 1) {
    return fail(kUsageError, "build: expected one manifest file (see --help)");
  }
  if (!parsed.error.empty())
    return fail(kUsageError, "build: " + parsed.error);
  const CliOptions& o = parsed.options;

  Planning planning{.manifest = manifests.front(),
                    .outputFolder = o.output.value_or(
                        std::filesystem::path(manifests.front()).parent_path().string())};
  planning.inputs.push_back(planning.manifest);
  const Manifest manifest = ReadManifest(planning.manifest, planning.outputFolder);
  for (const std::string& error : manifest.errors)
    planning.Refuse(manifest.unreadable ? kInputError : kUsageError, error);
  std::vector<PictureJob> jobs;
  for (const ManifestImage& image : manifest.images)
    jobs.push_back(JobOf(image, planning));
  if (!planning.errors.empty()) {
    for (const std::string& error : planning.errors)
      std::fprintf(err, "%s\n", error.c_str());
    return planning.code;
  }
  const ManyRun run{.threads = o.jobs.value_or(ProcessorCount()),
                    .failFast = o.failFast,
                    .stats = o.stats,
                    .listOutputs = o.listOutputs,
                    .depfile = o.depfile,
                    .inputs = planning.inputs};
  return RunMany(jobs, run, out, err);
}

}  // namespace pixmora::cli

#include "cli/RunMany.h"

#include <filesystem>
#include <map>
#include <system_error>

#include "cli/DepFile.h"
#include "cli/StatsTable.h"

namespace pixmora::cli {

namespace {

namespace fs = std::filesystem;

// Two pictures writing one file would leave whichever finished last.
std::string SharedOutput(std::span<const PictureJob> jobs) {
  std::map<std::string, const PictureJob*> owners;
  for (const PictureJob& job : jobs) {
    for (const std::string& file : job.outputs) {
      const auto [owner, added] = owners.emplace(fs::path(file).lexically_normal(), &job);
      if (!added) {
        return file + ": written by both " + LabelOf(*owner->second) + " and " + LabelOf(job) +
               " (give one of them another name)";
      }
    }
  }
  return {};
}

std::string MakeFolders(std::span<const PictureJob> jobs) {
  for (const PictureJob& job : jobs) {
    for (const std::string& file : job.outputs) {
      const fs::path folder = fs::path(file).parent_path();
      std::error_code error;
      if (!folder.empty() && !fs::is_directory(folder) && !fs::create_directories(folder, error) &&
          error) {
        return folder.string() + ": " + error.message();
      }
    }
  }
  return {};
}

}  // namespace

int RunMany(std::span<const PictureJob> jobs, const ManyRun& run, std::FILE* out, std::FILE* err) {
  if (std::string error = SharedOutput(jobs); !error.empty()) {
    std::fprintf(err, "%s\n", error.c_str());
    return kUsageError;
  }
  std::vector<std::string> outputs;
  for (const PictureJob& job : jobs)
    outputs.insert(outputs.end(), job.outputs.begin(), job.outputs.end());
  if (run.listOutputs) {
    for (const std::string& file : outputs)
      std::fprintf(out, "%s\n", file.c_str());
    return kSuccess;
  }
  if (std::string error = MakeFolders(jobs); !error.empty()) {
    std::fprintf(err, "%s\n", error.c_str());
    return kOutputError;
  }
  const std::vector<JobOutcome> outcomes =
      RunPictureJobs(jobs, run.threads, run.failFast, out, err);
  if (run.stats)
    std::fputs(StatsTable(jobs, outcomes).c_str(), err);
  int worst = WorstCode(outcomes);
  if (run.depfile) {
    if (std::string error = WriteDepFile(*run.depfile, outputs, run.inputs); !error.empty()) {
      std::fprintf(err, "%s\n", error.c_str());
      worst = std::max<int>(worst, kOutputError);
    }
  }
  return worst;
}

}  // namespace pixmora::cli

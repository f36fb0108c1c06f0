#include "cli/StatsTable.h"

#include <algorithm>

namespace pixmora::cli {

namespace {

std::string RightAligned(const std::string& text, std::size_t width) {
  return std::string(width - std::min(width, text.size()), ' ') + text;
}

std::string Plural(std::size_t n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

std::string StatsTable(std::span<const PictureJob> jobs, std::span<const JobOutcome> outcomes) {
  std::size_t total = 0;
  std::size_t written = 0;
  std::size_t unchanged = 0;
  std::size_t failed = 0;
  std::size_t skipped = 0;
  for (const JobOutcome& outcome : outcomes) {
    total += outcome.report.dataSize;
    for (const CommittedFile& file : outcome.report.files)
      ++(file.replaced ? written : unchanged);
    failed += outcome.started && outcome.code != kSuccess;
    skipped += !outcome.started;
  }
  const std::size_t width = std::max<std::size_t>(5, std::to_string(total).size());
  std::string table = RightAligned("bytes", width) + "  picture -> output\n";
  for (std::size_t i = 0; i < jobs.size(); ++i) {
    const JobOutcome& outcome = outcomes[i];
    const bool ok = outcome.started && outcome.code == kSuccess;
    table += RightAligned(ok ? std::to_string(outcome.report.dataSize) : "-", width) + "  " +
             jobs[i].options.image;
    if (!ok) {
      table += outcome.started ? " (failed)\n" : " (not run)\n";
      continue;
    }
    for (std::size_t k = 0; k < jobs[i].outputs.size(); ++k)
      table += (k == 0 ? " -> " : ", ") + jobs[i].outputs[k];
    table += '\n';
  }
  table += RightAligned(std::to_string(total), width) + "  total of " +
           Plural(jobs.size(), "picture", "pictures") + ": " +
           Plural(written, "file written", "files written") + ", " + std::to_string(unchanged) +
           " unchanged";
  if (failed > 0)
    table += ", " + std::to_string(failed) + " failed";
  if (skipped > 0)
    table += ", " + std::to_string(skipped) + " not run";
  return table + "\n";
}

}  // namespace pixmora::cli

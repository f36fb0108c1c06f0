#include "cli/PictureJobs.h"

#include <algorithm>
#include <cstdlib>
#include <mutex>
#include <optional>

#include "cli/ThreadPool.h"

namespace pixmora::cli {

bool MessageIsAbout(const std::string& message, const std::string& option) {
  return message.rfind(option, 0) == 0 && message.size() > option.size() &&
         (message[option.size()] == ':' || message[option.size()] == ' ');
}

std::string LabelOf(const PictureJob& job) {
  return job.place.empty() ? job.options.image : job.place + ": " + job.options.image;
}

std::string PlaceMessage(const PictureJob& job, const std::string& line) {
  for (const auto& [option, place] : job.places) {
    if (MessageIsAbout(line, option))
      return place + line.substr(option.size());
  }
  if (line.find(job.options.image) != std::string::npos)
    return job.place.empty() ? line : job.place + ": " + line;
  return LabelOf(job) + ": " + line;
}

namespace {

std::string Messages(const PictureJob& job, std::string_view text) {
  std::string placed;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    placed += PlaceMessage(job, std::string(text.substr(0, end))) + "\n";
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  return placed;
}

JobOutcome Run(const PictureJob& job, std::FILE* out, std::string& messages) {
  JobOutcome outcome;
  outcome.started = true;
  char* text = nullptr;
  std::size_t size = 0;
  std::FILE* err = open_memstream(&text, &size);
  outcome.code =
      ConvertPicture(job.options, job.settings, job.commandLine, out, err, false, outcome.report);
  std::fclose(err);
  messages = Messages(job, std::string_view(text, size));
  std::free(text);
  return outcome;
}

}  // namespace

std::vector<JobOutcome> RunPictureJobs(std::span<const PictureJob> jobs, int threads, bool failFast,
                                       std::FILE* out, std::FILE* err) {
  std::vector<JobOutcome> outcomes(jobs.size());
  std::vector<std::optional<std::string>> messages(jobs.size());
  std::size_t printed = 0;
  std::mutex lock;
  RunOnThreads(jobs.size(), threads, [&](std::size_t i) {
    std::string text;
    JobOutcome outcome = Run(jobs[i], out, text);
    const bool ok = outcome.code == kSuccess;
    const std::lock_guard guard(lock);
    outcomes[i] = std::move(outcome);
    messages[i] = std::move(text);
    for (; printed < jobs.size() && messages[printed]; ++printed)
      std::fputs(messages[printed]->c_str(), err);
    return ok || !failFast;
  });
  // After --fail-fast stopped the run, pictures that never started leave gaps.
  for (; printed < jobs.size(); ++printed) {
    if (messages[printed])
      std::fputs(messages[printed]->c_str(), err);
  }
  return outcomes;
}

int WorstCode(std::span<const JobOutcome> outcomes) {
  int worst = kSuccess;
  for (const JobOutcome& outcome : outcomes)
    worst = std::max(worst, outcome.code);
  return worst;
}

}  // namespace pixmora::cli

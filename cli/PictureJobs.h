#pragma once

#include <cstdio>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "cli/CliOptions.h"
#include "cli/ComposeSettings.h"
#include "cli/RunCli.h"

namespace pixmora::cli {

// One picture of a run of many.
struct PictureJob {
  CliOptions options;  // one picture; -o names its file
  Settings settings;
  std::vector<std::string> commandLine;  // what the comment of a target's output quotes
  std::vector<std::string> outputs;      // the files it writes
  // Where a manifest asks for the picture ("assets.toml:7"); empty in a batch.
  std::string place;
  // An option ("--crop") and what names it in a message instead ("assets.toml:9: crop").
  std::vector<std::pair<std::string, std::string>> places;
};

struct JobOutcome {
  bool started = false;  // false: skipped after a failure (--fail-fast)
  int code = kSuccess;
  PictureReport report;
};

// Converts the pictures on up to `threads` threads. Each picture's messages go to err as one
// block, in the order of the jobs whatever order they finish in. With failFast no picture
// starts after one failed.
std::vector<JobOutcome> RunPictureJobs(std::span<const PictureJob> jobs, int threads, bool failFast,
                                       std::FILE* out, std::FILE* err);

// Whether a message is about the option: "--crop: ..." or "--table-placement separate: ...".
bool MessageIsAbout(const std::string& message, const std::string& option);

// The picture, after the manifest's place of it: "assets.toml:7: icons/a.png".
std::string LabelOf(const PictureJob& job);

// A message line of the job as it is printed: starting with the place of the option it names,
// or else with the picture's label (only the place where the message names the picture).
std::string PlaceMessage(const PictureJob& job, const std::string& line);

// The worst exit status of the pictures: the highest.
int WorstCode(std::span<const JobOutcome> outcomes);

}  // namespace pixmora::cli

#pragma once

#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "cli/PictureJobs.h"

namespace pixmora::cli {

// What a run of many pictures does around the conversions.
struct ManyRun {
  int threads = 1;
  bool failFast = false;
  bool stats = false;
  bool listOutputs = false;  // print the files the jobs would write, convert nothing
  std::optional<std::string> depfile;
  std::vector<std::string> inputs;  // every file the run reads, for the depfile
};

// Refuses jobs that would write the same file, makes the folders of the outputs, runs the jobs,
// then writes the --stats table and the depfile. Returns the worst exit status.
int RunMany(std::span<const PictureJob> jobs, const ManyRun& run, std::FILE* out, std::FILE* err);

}  // namespace pixmora::cli

#pragma once

#include <span>
#include <string>

#include "cli/PictureJobs.h"

namespace pixmora::cli {

// The summary of a run of many pictures: a line per picture with the bytes of its arrays and
// its files, then the total and how many files were written, left unchanged or failed.
std::string StatsTable(std::span<const PictureJob> jobs, std::span<const JobOutcome> outcomes);

}  // namespace pixmora::cli

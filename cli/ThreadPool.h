#pragma once

#include <cstddef>
#include <functional>

namespace pixmora::cli {

// Runs job(0) to job(count - 1) on up to `threads` threads, each index once, started in rising
// order. Once a job returns false no further job starts; the ones running finish. Returns when
// every started job has ended.
void RunOnThreads(std::size_t count, int threads, const std::function<bool(std::size_t)>& job);

// The processors this process may run on.
int ProcessorCount();

}  // namespace pixmora::cli

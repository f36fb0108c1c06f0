#include "cli/ThreadPool.h"

#include <sched.h>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace pixmora::cli {

void RunOnThreads(std::size_t count, int threads, const std::function<bool(std::size_t)>& job) {
  std::atomic<std::size_t> next{0};
  std::atomic<bool> stopped{false};
  const auto work = [&] {
    while (!stopped) {
      const std::size_t index = next++;
      if (index >= count || stopped)
        return;
      if (!job(index))
        stopped = true;
    }
  };
  const std::size_t helpers = std::min<std::size_t>(std::max(threads, 1), count);
  std::vector<std::jthread> pool;
  for (std::size_t i = 1; i < helpers; ++i)
    pool.emplace_back(work);
  work();
}

int ProcessorCount() {
  cpu_set_t set;
  if (sched_getaffinity(0, sizeof set, &set) == 0)
    return std::max(1, CPU_COUNT(&set));
  return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

}  // namespace pixmora::cli

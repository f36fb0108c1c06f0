#pragma once

#include <cstdint>
#include <string>

#include "platform/FileWatch.h"

namespace pixmora {

// What a file's watch remembers of the file. Times are nanoseconds since 1970; a time the
// file system does not keep reads as 0.
struct WatchedFileState {
  bool exists = false;
  std::uint64_t size = 0;
  std::uint32_t attributes = 0;  // type and permission bits
  std::int64_t lastWrite = 0;
  std::int64_t creation = 0;
  std::int64_t lastAccess = 0;
};

// The file's state now; a file that cannot be examined counts as missing.
WatchedFileState ReadWatchedFileState(const std::string& fileName);

// Whether the file changed in a way the filter asks about. Existence is always compared;
// each other field only when its kind is in the filter.
bool StatesDiffer(const WatchedFileState& remembered, const WatchedFileState& now,
                  WatchOptions filter);

}  // namespace pixmora

#include "platform/WatchedFileState.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace pixmora {

namespace {

std::int64_t Nanoseconds(const statx_timestamp& time) {
  return time.tv_sec * 1'000'000'000 + time.tv_nsec;
}

}  // namespace

WatchedFileState ReadWatchedFileState(const std::string& fileName) {
  struct statx info {};
  if (statx(AT_FDCWD, fileName.c_str(), 0, STATX_BASIC_STATS | STATX_BTIME, &info) != 0)
    return {};
  return {
      .exists = true,
      .size = info.stx_size,
      .attributes = info.stx_mode,
      .lastWrite = Nanoseconds(info.stx_mtime),
      .creation = (info.stx_mask & STATX_BTIME) != 0 ? Nanoseconds(info.stx_btime) : 0,
      .lastAccess = Nanoseconds(info.stx_atime),
  };
}

bool StatesDiffer(const WatchedFileState& remembered, const WatchedFileState& now,
                  WatchOptions filter) {
  const auto differs = [&filter](WatchKind kind, auto a, auto b) {
    return filter.Has(kind) && a != b;
  };
  return remembered.exists != now.exists ||
         differs(WatchKind::LastWrite, remembered.lastWrite, now.lastWrite) ||
         differs(WatchKind::Attributes, remembered.attributes, now.attributes) ||
         differs(WatchKind::Size, remembered.size, now.size) ||
         differs(WatchKind::LastAccess, remembered.lastAccess, now.lastAccess) ||
         differs(WatchKind::Creation, remembered.creation, now.creation);
}

}  // namespace pixmora

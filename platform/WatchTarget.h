#pragma once

#include <cstdint>
#include <string>

#include "platform/FileWatch.h"

namespace pixmora {

// The directory a file's watch listens to: the name up to its last '/', without that '/'
// unless it is the root. Empty for a name without any '/', and an empty directory cannot be
// watched.
std::string WatchedDirectory(const std::string& fileName);

// The kinds a file's watch listens for: the options without those that only concern the
// directory itself (directory names, security).
WatchOptions FileNotificationFilter(WatchOptions options);

// The inotify events that can carry a change of the kinds in the filter.
std::uint32_t NotificationMask(WatchOptions filter);

}  // namespace pixmora

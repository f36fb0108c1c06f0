#include "platform/WatchTarget.h"

#include <sys/inotify.h>

namespace pixmora {

std::string WatchedDirectory(const std::string& fileName) {
  const auto slash = fileName.find_last_of('/');
  if (slash == std::string::npos)
    return {};
  return fileName.substr(0, slash == 0 ? 1 : slash);
}

WatchOptions FileNotificationFilter(WatchOptions options) {
  return options.Without(WatchKind::DirectoryName).Without(WatchKind::Security);
}

std::uint32_t NotificationMask(WatchOptions filter) {
  constexpr std::uint32_t kNames = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO;
  constexpr std::uint32_t kWrites = IN_MODIFY | IN_CLOSE_WRITE;
  std::uint32_t mask = 0;
  if (filter.Has(WatchKind::FileName) || filter.Has(WatchKind::DirectoryName))
    mask |= kNames;
  if (filter.Has(WatchKind::Attributes) || filter.Has(WatchKind::Security))
    mask |= IN_ATTRIB;
  if (filter.Has(WatchKind::Size) || filter.Has(WatchKind::LastWrite))
    mask |= kWrites;
  if (filter.Has(WatchKind::LastAccess))
    mask |= IN_ACCESS;
  // A file gets a new creation time only by appearing under its name.
  if (filter.Has(WatchKind::Creation))
    mask |= IN_CREATE | IN_MOVED_TO;
  return mask;
}

}  // namespace pixmora

#include "platform/WatchTarget.h"

#include <gtest/gtest.h>
#include <sys/inotify.h>

namespace pixmora {
namespace {

TEST(WatchTargetTest, DirectoryIsTheNameUpToItsLastSlash) {
  EXPECT_EQ(WatchedDirectory("/home/ann/pics/logo.png"), "/home/ann/pics");
  EXPECT_EQ(WatchedDirectory("pics/logo.png"), "pics");
  EXPECT_EQ(WatchedDirectory("/logo.png"), "/");
  EXPECT_EQ(WatchedDirectory("logo.png"), "");
  EXPECT_EQ(WatchedDirectory(""), "");
}

TEST(WatchTargetTest, FileFilterDropsDirectoryNamesAndSecurity) {
  const WatchOptions all{WatchKind::FileName, WatchKind::DirectoryName, WatchKind::Attributes,
                         WatchKind::Size,     WatchKind::LastWrite,     WatchKind::LastAccess,
                         WatchKind::Creation, WatchKind::Security};
  EXPECT_EQ(all.Bits(), 0xFFu);
  EXPECT_EQ(FileNotificationFilter(all).Bits(), 0xFFu & ~(1u << 1) & ~(1u << 7));
  EXPECT_EQ(FileNotificationFilter(kImageFileChanges), kImageFileChanges);
}

TEST(WatchTargetTest, ImageFileChangesListenToNamesAndWritesOnly) {
  const std::uint32_t mask = NotificationMask(kImageFileChanges);
  for (std::uint32_t event :
       {IN_CREATE, IN_DELETE, IN_MOVED_FROM, IN_MOVED_TO, IN_MODIFY, IN_CLOSE_WRITE})
    EXPECT_NE(mask & event, 0u) << event;
  EXPECT_EQ(mask & (IN_ATTRIB | IN_ACCESS), 0u);
  EXPECT_EQ(NotificationMask({WatchKind::Attributes}), IN_ATTRIB);
  EXPECT_EQ(NotificationMask({WatchKind::LastAccess}), IN_ACCESS);
  EXPECT_EQ(NotificationMask({}), 0u);
}

}  // namespace
}  // namespace pixmora

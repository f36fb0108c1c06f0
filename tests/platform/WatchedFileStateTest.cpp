#include "platform/WatchedFileState.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

#include "platform/AtomicFile.h"

namespace pixmora {
namespace {

WatchedFileState Existing() {
  return {.exists = true,
          .size = 10,
          .attributes = 0100644,
          .lastWrite = 1000,
          .creation = 500,
          .lastAccess = 2000};
}

TEST(WatchedFileStateTest, ExistenceIsAlwaysCompared) {
  EXPECT_TRUE(StatesDiffer(Existing(), WatchedFileState{}, {}));
  EXPECT_TRUE(StatesDiffer(WatchedFileState{}, Existing(), {}));
  EXPECT_FALSE(StatesDiffer(WatchedFileState{}, WatchedFileState{}, kImageFileChanges));
}

TEST(WatchedFileStateTest, EachOtherFieldCountsOnlyWithItsKind) {
  struct Case {
    WatchKind kind;
    void (*change)(WatchedFileState&);
  };
  const Case cases[] = {
      {WatchKind::LastWrite, [](WatchedFileState& s) { s.lastWrite += 1; }},
      {WatchKind::Attributes, [](WatchedFileState& s) { s.attributes = 0100444; }},
      {WatchKind::Size, [](WatchedFileState& s) { s.size = 11; }},
      {WatchKind::LastAccess, [](WatchedFileState& s) { s.lastAccess += 1; }},
      {WatchKind::Creation, [](WatchedFileState& s) { s.creation += 1; }},
  };
  const WatchOptions everyKind{WatchKind::FileName,  WatchKind::Attributes, WatchKind::Size,
                               WatchKind::LastWrite, WatchKind::LastAccess, WatchKind::Creation};
  for (const Case& c : cases) {
    WatchedFileState changed = Existing();
    c.change(changed);
    EXPECT_TRUE(StatesDiffer(Existing(), changed, {c.kind})) << static_cast<int>(c.kind);
    EXPECT_TRUE(StatesDiffer(Existing(), changed, everyKind)) << static_cast<int>(c.kind);
    EXPECT_FALSE(StatesDiffer(Existing(), changed, everyKind.Without(c.kind)))
        << static_cast<int>(c.kind);
  }
}

TEST(WatchedFileStateTest, ReadsAFileAndTakesAMissingOneAsAbsent) {
  char pattern[] = "/tmp/pixmora-state-XXXXXX";
  const std::filesystem::path folder = mkdtemp(pattern);
  const std::string path = (folder / "a.png").string();
  ASSERT_EQ(WriteFileAtomically(path, std::string_view("12345")), "");

  const WatchedFileState state = ReadWatchedFileState(path);
  EXPECT_TRUE(state.exists);
  EXPECT_EQ(state.size, 5u);
  EXPECT_TRUE(S_ISREG(state.attributes));
  EXPECT_NE(state.lastWrite, 0);

  std::filesystem::remove(path);
  EXPECT_FALSE(ReadWatchedFileState(path).exists);
  EXPECT_FALSE(ReadWatchedFileState("").exists);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace pixmora

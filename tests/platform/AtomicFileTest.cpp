#include "platform/AtomicFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

namespace pixmora {
namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/pixmora-atomic-XXXXXX";
    folder_ = mkdtemp(pattern);
  }
  void TearDown() override {
    fs::permissions(folder_, fs::perms::owner_all);
    fs::remove_all(folder_);
  }
  fs::path folder_;
};

TEST_F(AtomicFileTest, ReplacesContentAndLeavesNoTemporaryFile) {
  const std::string path = (folder_ / "out.h").string();
  ASSERT_EQ(WriteFileAtomically(path, std::string_view("first")), "");
  ASSERT_EQ(WriteFileAtomically(path, std::string_view("second")), "");
  std::string read;
  ASSERT_EQ(ReadWholeFile(path, read), "");
  EXPECT_EQ(read, "second");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(AtomicFileTest, FailedWriteKeepsPreviousFile) {
  const std::string path = (folder_ / "keep.bin").string();
  ASSERT_EQ(WriteFileAtomically(path, std::string_view("old")), "");
  if (geteuid() != 0) {  // root may write into a read-only folder
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_NE(WriteFileAtomically(path, std::string_view("new")), "");
    fs::permissions(folder_, fs::perms::owner_all);
  }
  EXPECT_NE(WriteFileAtomically((folder_ / "missing" / "x").string(), std::string_view("x")), "");
  std::string read;
  ASSERT_EQ(ReadWholeFile(path, read), "");
  EXPECT_EQ(read, "old");
}

TEST_F(AtomicFileTest, ReadingAMissingFileGivesTheReason) {
  std::string read;
  EXPECT_EQ(ReadWholeFile((folder_ / "none").string(), read), "No such file or directory");
}

TEST_F(AtomicFileTest, PendingFileReplacesOnlyOnCommit) {
  const std::string path = (folder_ / "out.h").string();
  ASSERT_EQ(WriteFileAtomically(path, std::string_view("old")), "");
  {
    PendingFile dropped(path);
    dropped.Write("never");
  }
  std::string read;
  ASSERT_EQ(ReadWholeFile(path, read), "");
  EXPECT_EQ(read, "old");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);

  // Small and large writes alike end up in order.
  PendingFile file(path);
  std::string expected;
  for (int i = 0; i < 5000; ++i) {
    const std::string piece = std::to_string(i) + ",";
    file.Write(piece);
    expected += piece;
  }
  const std::string large(200000, 'x');
  file.Write(large);
  file.Write("end");
  expected += large + "end";
  PendingFile moved(std::move(file));
  ASSERT_EQ(moved.Commit(), "");
  ASSERT_EQ(ReadWholeFile(path, read), "");
  EXPECT_EQ(read, expected);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(AtomicFileTest, PendingFileInAMissingFolderReportsOnCommit) {
  PendingFile file((folder_ / "missing" / "x.bin").string());
  EXPECT_EQ(file.Error(), "No such file or directory");
  file.Write("ignored");
  EXPECT_EQ(file.Commit(), "No such file or directory");
}

TEST_F(AtomicFileTest, CommitIfChangedLeavesAnIdenticalTargetAlone) {
  const std::string path = (folder_ / "out.h").string();
  // Past one read buffer, so a difference in the last piece is found too.
  std::string bytes(150000, 'a');
  const auto commit = [&](const std::string& content) {
    PendingFile file(path);
    file.Write(content);
    bool replaced = false;
    EXPECT_EQ(file.CommitIfChanged(replaced), "");
    return replaced;
  };
  EXPECT_TRUE(commit(bytes));
  const fs::file_time_type past = fs::last_write_time(path) - std::chrono::hours(1);
  fs::last_write_time(path, past);
  struct stat before {};
  ASSERT_EQ(stat(path.c_str(), &before), 0);

  EXPECT_FALSE(commit(bytes));
  struct stat after {};
  ASSERT_EQ(stat(path.c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_EQ(fs::last_write_time(path), past);

  bytes.back() = 'b';
  EXPECT_TRUE(commit(bytes));
  std::string read;
  ASSERT_EQ(ReadWholeFile(path, read), "");
  EXPECT_EQ(read, bytes);
  EXPECT_TRUE(commit(bytes + "longer"));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace pixmora

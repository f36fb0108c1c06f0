#include "platform/qt/TATFileNotification.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "platform/AtomicFile.h"
#include "platform/RecordingMessageBox.h"

namespace pixmora {
namespace {

namespace fs = std::filesystem;

// A loaded machine may take long to deliver an event; an event that is due comes much sooner.
constexpr int kEventTimeoutMs = 10000;
// How long a change that must not be reported is given to show up anyway.
constexpr int kQuietMs = 300;

class UFileWatchTest : public testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/pixmora-watch-XXXXXX";
    folder_ = mkdtemp(pattern);
    watched_ = PathOf("logo.png");
    Rewrite(watched_);
    // An old last-write time, so that any write the test makes gives a newer one.
    fs::last_write_time(watched_, fs::file_time_type::clock::now() - std::chrono::hours(1));
    watch_.SetFileName(watched_);
    watch_.SetOptions(kImageFileChanges);
    watch_.SetChangeHandler([this] {
      ++events_;
      handlerThread_ = std::this_thread::get_id();
    });
  }
  void TearDown() override {
    watch_.Stop();
    fs::remove_all(folder_);
    EXPECT_TRUE(messages_.shown.empty());
  }

  std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }
  static void Rewrite(const std::string& path) {
    ASSERT_EQ(WriteFileAtomically(path, std::string_view("pixels")), "");
  }
  bool WaitForEvents(int count) {
    return QTest::qWaitFor([&] { return events_ >= count; }, kEventTimeoutMs);
  }

  fs::path folder_;
  std::string watched_;
  RecordingMessageBox messages_;
  int events_ = 0;
  std::thread::id handlerThread_;
  TATFileNotification watch_{messages_};
};

TEST_F(UFileWatchTest, WritingTheFileGivesOneEventOnTheGuiThread) {
  watch_.Start();
  ASSERT_TRUE(watch_.Running());
  Rewrite(watched_);
  ASSERT_TRUE(WaitForEvents(1));
  QTest::qWait(kQuietMs);
  EXPECT_EQ(events_, 1);
  EXPECT_EQ(handlerThread_, std::this_thread::get_id());
}

TEST_F(UFileWatchTest, DeletingTheFileIsAChange) {
  watch_.Start();
  fs::remove(watched_);
  EXPECT_TRUE(WaitForEvents(1));
}

TEST_F(UFileWatchTest, AnotherFileOfTheFolderIsNoChange) {
  watch_.Start();
  Rewrite(PathOf("other.png"));
  fs::remove(PathOf("other.png"));
  QTest::qWait(kQuietMs);
  EXPECT_EQ(events_, 0);
  Rewrite(watched_);  // the watch was listening all along
  ASSERT_TRUE(WaitForEvents(1));
  EXPECT_EQ(events_, 1);
}

TEST_F(UFileWatchTest, AStoppedWatchIsSilentAndStartsAgain) {
  watch_.Start();
  watch_.Stop();
  EXPECT_FALSE(watch_.Running());
  Rewrite(watched_);
  QTest::qWait(kQuietMs);
  EXPECT_EQ(events_, 0);

  watch_.Start();
  EXPECT_TRUE(watch_.Running());
  fs::remove(watched_);
  EXPECT_TRUE(WaitForEvents(1));
}

TEST_F(UFileWatchTest, ASecondStartOrStopDoesNothing) {
  watch_.Start();
  watch_.SetFileName(PathOf("other.png"));
  watch_.Start();  // still watching the first file
  Rewrite(PathOf("other.png"));
  QTest::qWait(kQuietMs);
  EXPECT_EQ(events_, 0);
  Rewrite(watched_);
  ASSERT_TRUE(WaitForEvents(1));

  watch_.Stop();
  watch_.Stop();
  EXPECT_FALSE(watch_.Running());
}

TEST_F(UFileWatchTest, WatchingADirectoryReportsAnyChangeInIt) {
  watch_.SetDirectoryName(folder_.string());
  watch_.Start();
  Rewrite(PathOf("new.png"));
  EXPECT_TRUE(WaitForEvents(1));
}

TEST_F(UFileWatchTest, AnUnwatchableNameRunsButNeverReports) {
  for (const char* name : {"logo.png", "/no/such/folder/logo.png", ""}) {
    watch_.SetFileName(name);
    watch_.Start();
    EXPECT_TRUE(watch_.Running()) << name;
    watch_.Stop();
  }
}

TEST_F(UFileWatchTest, DestroyingARunningWatchEndsItsThread) {
  {
    TATFileNotification watch(messages_);
    watch.SetFileName(watched_);
    watch.SetChangeHandler([this] { ++events_; });
    watch.Start();
    Rewrite(watched_);
  }
  // A change the worker found just before the end must not reach the destroyed watch.
  QTest::qWait(kQuietMs);
  EXPECT_EQ(events_, 0);
}

}  // namespace
}  // namespace pixmora

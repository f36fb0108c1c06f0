#include "ui/ExternalFileEvents.h"

#include <gtest/gtest.h>

#include "platform/RecordingMessageBox.h"

namespace pixmora {
namespace {

TEST(ExternalFileEventsTest, CommandLineOpensOnlyImageExtensionsInAnyCase) {
  for (const char* name : {"/p/a.bmp", "/p/a.JPG", "/p/a.Jpeg", "/p/a.ico", "/p/a.png", "a.GIF"})
    EXPECT_TRUE(IsCommandLineImage(name)) << name;
  for (const char* name : {"", "/p/a.txt", "/p/a.tif", "/p/png", "/p.png/readme", "/p/a.png.txt"})
    EXPECT_FALSE(IsCommandLineImage(name)) << name;
}

TEST(ExternalFileEventsTest, DropLoadsTheFirstNameOnly) {
  RecordingMessageBox messages;
  EXPECT_EQ(FileToLoadFromDrop({"/p/one.PNG", "/p/two.bmp", "/p/three.txt"}, messages),
            "/p/one.PNG");
  EXPECT_EQ(FileToLoadFromDrop({}, messages), std::nullopt);
  EXPECT_TRUE(messages.shown.empty());
}

TEST(ExternalFileEventsTest, DropOfAnotherExtensionFirstSaysSoEvenWhenAnImageFollows) {
  RecordingMessageBox messages;
  EXPECT_EQ(FileToLoadFromDrop({"/p/scan.tif", "/p/logo.bmp"}, messages), std::nullopt);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Invalid file extension");
  EXPECT_EQ(messages.shown[0].title, "Error");
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Error);
  EXPECT_EQ(messages.shown[0].buttons, MessageButtons::OK);
}

class ChangeEventTest : public testing::Test {
 protected:
  void SetUp() override { preferences_.Set(Option::SystemAutoDetect, true); }
  bool Reload(const std::string& fileName = "/p/logo.png") {
    return ReloadAfterChange(fileName, ignoreNextChange_, preferences_, messages_);
  }

  Preferences preferences_;
  RecordingMessageBox messages_;
  bool ignoreNextChange_ = false;
};

TEST_F(ChangeEventTest, SwallowsExactlyOneEventWhileIgnoring) {
  ignoreNextChange_ = true;
  EXPECT_FALSE(Reload());
  EXPECT_FALSE(ignoreNextChange_);
  EXPECT_TRUE(Reload());
  EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(ChangeEventTest, NoOpenFileSwallowsTheEventAndClearsTheFlag) {
  ignoreNextChange_ = true;
  EXPECT_FALSE(Reload(""));
  EXPECT_FALSE(ignoreNextChange_);
  EXPECT_FALSE(Reload(""));
}

TEST_F(ChangeEventTest, AsksWhenAskAndAutodetectAreBothOn) {
  preferences_.Set(Option::SystemAskReload, true);
  messages_.answers = {MessageResult::OK, MessageResult::Cancel};
  EXPECT_TRUE(Reload());
  EXPECT_FALSE(Reload());
  ASSERT_EQ(messages_.shown.size(), 2u);
  EXPECT_EQ(messages_.shown[0].text, "File has changed.\n     Reload?");
  EXPECT_EQ(messages_.shown[0].title, "Change detection");
  EXPECT_EQ(messages_.shown[0].icon, MessageIcon::Question);
  EXPECT_EQ(messages_.shown[0].buttons, MessageButtons::OKCancel);
}

TEST_F(ChangeEventTest, ReloadsAtOnceUnlessBothAreOn) {
  EXPECT_TRUE(Reload());
  preferences_.Set(Option::SystemAutoDetect, false);
  preferences_.Set(Option::SystemAskReload, true);
  EXPECT_TRUE(Reload());
  EXPECT_TRUE(messages_.shown.empty());
}

}  // namespace
}  // namespace pixmora

#include "settings/SystemIntegration.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/RecordingMessageBox.h"
#include "platform/RecordingShell.h"

namespace pixmora {
namespace {

using ::testing::ElementsAre;

const std::string kShortcut = "C:\\Users\\Ann\\SendTo\\Pixmora_Convert.lnk";

class SystemIntegrationTest : public ::testing::Test {
 protected:
  // Runs the step with the three options; the drop switch is logged with the shell's calls
  // so that the order of all three parts shows in one list.
  void Apply(bool sendTo, bool dragDrop, bool contextMenu,
             const std::string& executable = "C:\\Tools\\Pixmora_Convert.exe") {
    Preferences preferences;
    preferences.Set(Option::SystemAddToSend, sendTo);
    preferences.Set(Option::SystemEnableDragDrop, dragDrop);
    preferences.Set(Option::ContextMenu, contextMenu);
    const SystemIntegrationServices services{
        shell, messages,
        [this](bool enabled) {
          dropEnabled = enabled;
          shell.calls.push_back(enabled ? "SetDropEnabled on" : "SetDropEnabled off");
        },
        executable};
    ApplySystemIntegration(preferences, services);
  }

  RecordingShell shell;
  RecordingMessageBox messages;
  bool dropEnabled = false;
};

TEST_F(SystemIntegrationTest, SetOptionsWriteShortcutDropTargetAndVerbInThatOrder) {
  Apply(true, true, true);
  EXPECT_THAT(shell.calls,
              ElementsAre("GetSendToFolder", "CreateShellLink " + kShortcut, "SetDropEnabled on",
                          std::string("WriteKeyValue ") + kCommandKey));
  ASSERT_EQ(shell.links.size(), 1u);
  const auto& link = shell.links[0];
  EXPECT_EQ(link.target, "C:\\Tools\\Pixmora_Convert.exe");
  EXPECT_EQ(link.description, "Test SendTo Application");
  EXPECT_EQ(link.workingFolder, "C:\\Tools");
  EXPECT_EQ(link.arguments, "");
  EXPECT_EQ(link.iconFile, "");
  EXPECT_EQ(link.iconIndex, -1);
  EXPECT_EQ(shell.keys.at(kCommandKey), "\"C:\\Tools\\Pixmora_Convert.exe\" \"%1\"");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SystemIntegrationTest, ClearedOptionsRemoveWhatASetRunWrote) {
  Apply(true, true, true);
  shell.calls.clear();
  Apply(false, false, false);
  EXPECT_THAT(shell.calls, ElementsAre("GetSendToFolder", "RemoveFile " + kShortcut,
                                       "SetDropEnabled off", std::string("KeyExists ") + kVerbKey,
                                       std::string("DeleteKeyTree ") + kVerbKey));
  EXPECT_TRUE(shell.files.empty());
  EXPECT_TRUE(shell.keys.empty());
  EXPECT_FALSE(dropEnabled);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SystemIntegrationTest, ClearingWhenNothingExistsDoesNothingVisible) {
  shell.keys["*\\shell\\Other verb\\command"] = "kept";
  Apply(false, false, false);
  EXPECT_THAT(shell.calls, ElementsAre("GetSendToFolder", "RemoveFile " + kShortcut,
                                       "SetDropEnabled off", std::string("KeyExists ") + kVerbKey));
  EXPECT_EQ(shell.keys.size(), 1u);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SystemIntegrationTest, EachOptionActsAlone) {
  Apply(false, true, false);
  EXPECT_TRUE(dropEnabled);
  EXPECT_TRUE(shell.links.empty());
  EXPECT_TRUE(shell.keys.empty());

  Apply(false, false, true);
  EXPECT_FALSE(dropEnabled);
  EXPECT_TRUE(shell.links.empty());
  EXPECT_EQ(shell.keys.size(), 1u);

  shell.keys.clear();
  Apply(true, false, false);
  EXPECT_EQ(shell.files.size(), 1u);
  EXPECT_TRUE(shell.keys.empty());
}

TEST_F(SystemIntegrationTest, RegistryFailureIsShownAndLeavesTheOtherPartsDone) {
  shell.keysOpen = false;
  Apply(true, true, true);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "It was not possible to write at registry");
  EXPECT_EQ(messages.shown[0].title, "Registry error");
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Error);
  EXPECT_EQ(messages.shown[0].buttons, MessageButtons::OK);
  EXPECT_EQ(shell.calls.back(), std::string("WriteKeyValue ") + kCommandKey);
  EXPECT_EQ(shell.files.size(), 1u);
  EXPECT_TRUE(dropEnabled);

  // Every later run with the option set reports again; the caller goes on each time.
  Apply(true, true, true);
  EXPECT_EQ(messages.shown.size(), 2u);
}

TEST_F(SystemIntegrationTest, ShortcutFailuresAreSilent) {
  shell.linksSave = false;
  Apply(true, false, false);
  Apply(false, false, false);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SystemIntegrationTest, RepeatedRunsRewriteOneShortcutAndOneKey) {
  for (int run = 0; run < 3; ++run)
    Apply(true, true, true);
  EXPECT_EQ(shell.links.size(), 3u);
  EXPECT_EQ(shell.files.size(), 1u);
  EXPECT_EQ(shell.keys.size(), 1u);
}

TEST_F(SystemIntegrationTest, MovedFolderRewritesTargetWorkingFolderAndCommand) {
  Apply(true, false, true, "C:\\Old place\\Pixmora_Convert.exe");
  Apply(true, false, true, "D:\\New\\Pixmora_Convert.exe");
  const auto& link = shell.links.back();
  EXPECT_EQ(link.path, kShortcut);
  EXPECT_EQ(link.target, "D:\\New\\Pixmora_Convert.exe");
  EXPECT_EQ(link.workingFolder, "D:\\New");
  EXPECT_EQ(shell.keys.at(kCommandKey), "\"D:\\New\\Pixmora_Convert.exe\" \"%1\"");
}

TEST_F(SystemIntegrationTest, FailedSendToLookupIsShownAndTouchesNoShortcut) {
  shell.sendTo = {SendToFolder::Lookup::FailedWithItemList, ""};
  Apply(true, true, true);
  shell.sendTo = {SendToFolder::Lookup::FailedWithoutItemList, ""};
  Apply(false, true, true);
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[0].text, "Assigned");
  EXPECT_EQ(messages.shown[1].text, "Not assigned");
  EXPECT_TRUE(shell.links.empty());
  for (const auto& call : shell.calls)
    EXPECT_FALSE(call.starts_with("RemoveFile")) << call;
  // The other two parts still run.
  EXPECT_TRUE(dropEnabled);
  EXPECT_EQ(shell.keys.size(), 1u);
}

TEST_F(SystemIntegrationTest, SendToFolderWithoutPathSkipsTheShortcut) {
  shell.sendTo = {SendToFolder::Lookup::Found, ""};
  Apply(true, false, false);
  EXPECT_TRUE(shell.links.empty());
  EXPECT_TRUE(messages.shown.empty());
}

TEST(SystemIntegrationPathsTest, CommandNamesTheFixedProgramInTheRunningFolder) {
  EXPECT_EQ(CommandValue("C:\\Tools\\Renamed copy.exe"),
            "\"C:\\Tools\\Pixmora_Convert.exe\" \"%1\"");
  EXPECT_EQ(CommandValue("/opt/pixmora/Pixmora_Convert"),
            "\"/opt/pixmora/Pixmora_Convert.exe\" \"%1\"");
  // On this system a backslash is part of a name, not a separator.
  EXPECT_EQ(CommandValue("/opt/odd\\name/x"), "\"/opt/odd\\name/Pixmora_Convert.exe\" \"%1\"");
}

TEST(SystemIntegrationPathsTest, WorkingFolderDropsTheSeparatorExceptAtARoot) {
  EXPECT_EQ(FolderWithoutSeparator("C:\\Tools\\Pixmora_Convert.exe"), "C:\\Tools");
  EXPECT_EQ(FolderWithoutSeparator("C:\\Pixmora_Convert.exe"), "C:\\");
  EXPECT_EQ(FolderWithoutSeparator("/usr/bin/Pixmora_Convert"), "/usr/bin");
  EXPECT_EQ(FolderWithoutSeparator("/Pixmora_Convert"), "/");
  EXPECT_EQ(FolderWithoutSeparator("Pixmora_Convert"), "");
}

TEST(SystemIntegrationPathsTest, ShortcutUsesTheFolderSeparatorOnce) {
  EXPECT_EQ(ShortcutPath("C:\\Users\\Ann\\SendTo"), kShortcut);
  EXPECT_EQ(ShortcutPath("/home/ann/.local/share/SendTo"),
            "/home/ann/.local/share/SendTo/Pixmora_Convert.lnk");
  EXPECT_EQ(ShortcutPath("/home/ann/SendTo/"), "/home/ann/SendTo/Pixmora_Convert.lnk");
}

}  // namespace
}  // namespace pixmora

#include "platform/qt/XdgShell.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/AtomicFile.h"
#include "platform/RecordingMessageBox.h"
#include "settings/SystemIntegration.h"

namespace pixmora {
namespace {

namespace fs = std::filesystem;

// Points the data folder at a fresh temporary folder, so that nothing reaches the real home.
class XdgShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedData_ = Saved("XDG_DATA_HOME");
    savedHome_ = Saved("HOME");
    char pattern[] = "/tmp/pixmora-xdg-XXXXXX";
    folder_ = mkdtemp(pattern);
    data_ = folder_ / "data";
    setenv("XDG_DATA_HOME", data_.c_str(), 1);
    setenv("HOME", (folder_ / "home").c_str(), 1);
  }
  void TearDown() override {
    Restore("XDG_DATA_HOME", savedData_);
    Restore("HOME", savedHome_);
    fs::remove_all(folder_);
  }

  static std::optional<std::string> Saved(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
  }
  static void Restore(const char* name, const std::optional<std::string>& value) {
    if (value)
      setenv(name, value->c_str(), 1);
    else
      unsetenv(name);
  }
  static std::string Read(const fs::path& path) {
    std::string bytes;
    EXPECT_EQ(ReadWholeFile(path.string(), bytes), "") << path;
    return bytes;
  }
  static std::size_t FilesBelow(const fs::path& folder) {
    std::size_t count = 0;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
      count += entry.is_directory() ? 0 : 1;
    return count;
  }

  fs::path verbEntry() const {
    return data_ / "applications" / "Open-with-Pixmora_Convert.desktop";
  }

  XdgShell shell_;
  fs::path folder_;
  fs::path data_;
  std::optional<std::string> savedData_;
  std::optional<std::string> savedHome_;
};

TEST_F(XdgShellTest, ShortcutIsADesktopEntryRewrittenInPlace) {
  const SendToFolder sendTo = shell_.GetSendToFolder();
  ASSERT_EQ(sendTo.lookup, SendToFolder::Lookup::Found);
  EXPECT_EQ(sendTo.path, (data_ / "Pixmora_Convert" / "SendTo").string());
  const std::string shortcut = ShortcutPath(sendTo.path);

  ASSERT_TRUE(shell_.CreateShellLink(shortcut, "/opt/old/Pixmora_Convert", kShortcutDescription,
                                     "/opt/old", "", "", -1));
  ASSERT_TRUE(shell_.CreateShellLink(shortcut, "/opt/new place/Pixmora_Convert",
                                     kShortcutDescription, "/opt/new place", "", "", -1));
  EXPECT_EQ(Read(shortcut),
            "[Desktop Entry]\nType=Application\nName=Pixmora_Convert\n"
            "Comment=Test SendTo Application\nExec=\"/opt/new place/Pixmora_Convert\" %f\n"
            "Path=/opt/new place\n");
  EXPECT_EQ(FilesBelow(data_), 1u);
}

TEST_F(XdgShellTest, EntryValuesCannotBreakTheirLineOrTheCommand) {
  const std::string shortcut = (data_ / "SendTo" / "x.lnk").string();
  ASSERT_TRUE(shell_.CreateShellLink(shortcut, "/opt/a$b`c\"d\\e%f", "two\nlines\xE9", "/opt",
                                     "-v \"two words\"", "/opt/icon.png", 0));
  EXPECT_EQ(Read(shortcut),
            "[Desktop Entry]\nType=Application\nName=x\nComment=two\\nlines\xC3\xA9\n"
            "Exec=\"/opt/a\\\\$b\\\\`c\\\\\"d\\\\\\\\e%%f\" \"-v\" \"two words\" %f\n"
            "Path=/opt\nIcon=/opt/icon.png\n");
}

TEST_F(XdgShellTest, VerbIsAHiddenImageEntryRunningTheProgramWithTheFile) {
  EXPECT_FALSE(shell_.KeyExists(kVerbKey));
  ASSERT_TRUE(shell_.WriteKeyValue(kCommandKey, CommandValue("/opt/pixmora/renamed")));
  EXPECT_EQ(Read(verbEntry()),
            "[Desktop Entry]\nType=Application\nName=Open with Pixmora_Convert\n"
            "Exec=\"/opt/pixmora/Pixmora_Convert\" %f\n"
            "MimeType=image/bmp;image/gif;image/jpeg;image/png;image/vnd.microsoft.icon;"
            "image/x-icon;\nNoDisplay=true\n");
  EXPECT_TRUE(shell_.KeyExists(kVerbKey));

  const fs::path other = data_ / "applications" / "other.desktop";
  ASSERT_EQ(WriteFileAtomically(other.string(), std::string_view("kept")), "");
  shell_.DeleteKeyTree(kVerbKey);
  EXPECT_FALSE(shell_.KeyExists(kVerbKey));
  EXPECT_FALSE(fs::exists(verbEntry()));
  EXPECT_TRUE(fs::exists(other));
}

TEST_F(XdgShellTest, NothingOutsideTheDataFolderOrTheVerbsIsTouched) {
  const fs::path outside = folder_ / "outside.lnk";
  ASSERT_EQ(WriteFileAtomically(outside.string(), std::string_view("kept")), "");
  EXPECT_FALSE(shell_.CreateShellLink((folder_ / "new.lnk").string(), "/t", "", "", "", "", -1));
  EXPECT_FALSE(
      shell_.CreateShellLink((data_ / ".." / "new.lnk").string(), "/t", "", "", "", "", -1));
  EXPECT_FALSE(shell_.CreateShellLink(data_.string(), "/t", "", "", "", "", -1));
  shell_.RemoveFile(outside.string());
  shell_.RemoveFile((data_ / ".." / "outside.lnk").string());
  EXPECT_EQ(Read(outside), "kept");
  EXPECT_FALSE(fs::exists(folder_ / "new.lnk"));

  fs::create_directories(data_ / "SendTo" / "Pixmora_Convert.lnk");
  shell_.RemoveFile((data_ / "SendTo" / "Pixmora_Convert.lnk").string());
  EXPECT_TRUE(fs::is_directory(data_ / "SendTo" / "Pixmora_Convert.lnk"));

  ASSERT_TRUE(shell_.WriteKeyValue(kCommandKey, CommandValue("/opt/Pixmora_Convert")));
  EXPECT_FALSE(shell_.WriteKeyValue("*\\shell\\command", "\"/x\""));
  EXPECT_FALSE(shell_.WriteKeyValue("Software\\Pixmora\\command", "\"/x\""));
  EXPECT_FALSE(shell_.WriteKeyValue(kVerbKey, "\"/x\""));
  EXPECT_FALSE(shell_.KeyExists("*"));
  EXPECT_FALSE(shell_.KeyExists(kCommandKey));
  shell_.DeleteKeyTree("*\\shell");
  shell_.DeleteKeyTree("*");
  EXPECT_TRUE(fs::exists(verbEntry()));
}

TEST_F(XdgShellTest, DataFolderFallsBackToHomeAndIsMissingWithoutEither) {
  setenv("XDG_DATA_HOME", "relative/data", 1);
  EXPECT_EQ(shell_.GetSendToFolder().path,
            (folder_ / "home" / ".local" / "share" / "Pixmora_Convert" / "SendTo").string());

  unsetenv("XDG_DATA_HOME");
  unsetenv("HOME");
  const SendToFolder missing = shell_.GetSendToFolder();
  EXPECT_EQ(missing.lookup, SendToFolder::Lookup::FailedWithoutItemList);
  EXPECT_EQ(missing.path, "");
  EXPECT_FALSE(shell_.CreateShellLink((folder_ / "x.lnk").string(), "/t", "", "", "", "", -1));
  EXPECT_FALSE(shell_.WriteKeyValue(kCommandKey, "\"/x\" \"%1\""));
  EXPECT_FALSE(fs::exists(folder_ / "x.lnk"));
}

TEST_F(XdgShellTest, ClearingAfterSettingLeavesNoFileBehind) {
  RecordingMessageBox messages;
  const SystemIntegrationServices services{shell_, messages, [](bool) {},
                                           "/opt/pixmora/Pixmora_Convert"};
  Preferences preferences;
  preferences.Set(Option::SystemAddToSend, true);
  preferences.Set(Option::ContextMenu, true);
  ApplySystemIntegration(preferences, services);
  EXPECT_EQ(FilesBelow(data_), 2u);

  preferences.Set(Option::SystemAddToSend, false);
  preferences.Set(Option::ContextMenu, false);
  ApplySystemIntegration(preferences, services);
  EXPECT_EQ(FilesBelow(data_), 0u);
  EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace pixmora

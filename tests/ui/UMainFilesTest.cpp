#include <QAction>
#include <QLabel>
#include <QMenu>
#include <fstream>

#include "image/TImgView32.h"
#include "tests/image/DropFiles.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/TMemo.h"

namespace pixmora {
namespace {

QList<QAction*> RecentItems(TFMain& w) {
  auto* menu = w.findChild<QMenu*>("mnuRecentFiles");
  emit menu->aboutToShow();
  return menu->findChildren<QAction*>("mnuMRU", Qt::FindDirectChildrenOnly);
}

class FilesTest : public MainWindowTest {
 protected:
  // File > Recent Files > the entry at index, clicked as the user would.
  void ChooseRecentFile(int index) {
    ChooseMenuItem("mnuFile", {"mnuRecentFiles"});
    auto* menu = window->findChild<QMenu*>("mnuRecentFiles");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    const QList<QAction*> items =
        menu->findChildren<QAction*>("mnuMRU", Qt::FindDirectChildrenOnly);
    ASSERT_LT(index, items.size());
    const QPoint at = menu->actionGeometry(items[index]).center();
    QTest::mouseMove(menu, at);
    QTest::mouseClick(menu, Qt::LeftButton, {}, at);
  }
};

TEST_F(FilesTest, RecentFilesMenuListsTheEntriesWithAcceleratorsBeforeClearHistory) {
  std::ofstream(settingsPath) << "[Recent]\r\nMRU1=/tmp/a&b.bmp\r\nMRU2=/tmp/c.png\r\n";
  TFMain& w = Start();
  const QList<QAction*> items = RecentItems(w);
  ASSERT_EQ(items.size(), 2);
  EXPECT_EQ(items[0]->text(), "&1 /tmp/a&&b.bmp");
  EXPECT_EQ(items[1]->text(), "&2 /tmp/c.png");
  const QList<QAction*> all = w.findChild<QMenu*>("mnuRecentFiles")->actions();
  ASSERT_EQ(all.size(), 4);
  EXPECT_TRUE(all[2]->isSeparator());
  EXPECT_EQ(all[3], w.Command("mnuClearHistory"));
  // Opening the menu again shows the list afresh, not twice.
  EXPECT_EQ(RecentItems(w).size(), 2);
}

TEST_F(FilesTest, ChoosingAnEntryMovesItToTheTopThenLoadsIt) {
  const std::string image = WriteImage("picture.bmp", 12, 8);
  std::ofstream(settingsPath) << "[Recent]\r\nMRU1=/tmp/missing.bmp\r\nMRU2=" << image << "\r\n";
  TFMain& w = Start();
  ChooseRecentFile(1);
  EXPECT_EQ(w.mruList.Entries(), (std::vector<std::string>{image, "/tmp/missing.bmp"}));
  EXPECT_EQ(w.Document.CurrentFileName, image);
  EXPECT_EQ(w.Document.WorkingImage.Width(), 12);
  // A failed load still moved its entry to the top, and the list gained nothing.
  ChooseRecentFile(1);
  EXPECT_EQ(w.mruList.Entries(), (std::vector<std::string>{"/tmp/missing.bmp", image}));
  ASSERT_EQ(errors.messages.size(), 1u);
  EXPECT_EQ(errors.messages[0], "Cannot read \"/tmp/missing.bmp\": No such file or directory");
  EXPECT_EQ(w.Document.CurrentFileName, image);
}

TEST_F(FilesTest, ClearHistoryEmptiesTheListAndDisablesRecentFiles) {
  std::ofstream(settingsPath) << "[Recent]\r\nMRU1=/tmp/a.bmp\r\n";
  TFMain& w = Start();
  ChooseMenuItem("mnuFile", {"mnuRecentFiles", "mnuClearHistory"});
  EXPECT_TRUE(w.mruList.Empty());
  EXPECT_TRUE(RecentItems(w).isEmpty());
  w.mnuFileClick();
  EXPECT_FALSE(Enabled("mnuRecentFiles"));
}

TEST_F(FilesTest, AnImageNamedOnTheCommandLineOpensAndItsFirstChangeIsIgnored) {
  std::ofstream(settingsPath) << "[Preferences]\r\nSystemAutoDetect=1\r\n";
  commandLineFile = WriteImage("start.BMP", 3, 2);
  TFMain& w = Start();
  EXPECT_EQ(w.Document.CurrentFileName, commandLineFile);
  EXPECT_EQ(w.Document.WorkingImage.Width(), 3);
  EXPECT_EQ(w.Document.ImageMode, ImageMode::Color);
  EXPECT_EQ(w.mruList.Entries(), std::vector<std::string>{commandLineFile});
  EXPECT_EQ(watch.fileName, commandLineFile);
  EXPECT_TRUE(w.Document.IgnoreNextChange);
  WriteImage("start.BMP", 9, 9);
  watch.Changed();
  EXPECT_FALSE(w.Document.IgnoreNextChange);
  EXPECT_EQ(w.Document.WorkingImage.Width(), 3);  // not reloaded
  watch.Changed();
  EXPECT_EQ(w.Document.WorkingImage.Width(), 9);
}

TEST_F(FilesTest, OtherCommandLineArgumentsAreIgnoredSilently) {
  commandLineFile = (folder / "notes.txt").string();
  TFMain& w = Start();
  EXPECT_EQ(w.Document.CurrentFileName, "");
  EXPECT_TRUE(w.mruList.Empty());
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_TRUE(errors.messages.empty());
}

TEST_F(FilesTest, TheDropTargetFollowsTheDragAndDropPreferenceFromTheStart) {
  TFMain& off = Start();
  EXPECT_FALSE(off.ImgView->DropEnabled());
  window.reset();
  std::ofstream(settingsPath) << "[Preferences]\r\nSystemEnableDragDrop=1\r\n";
  EXPECT_TRUE(Start().ImgView->DropEnabled());
}

TEST_F(FilesTest, ADropOpensOnlyTheFirstFileAndRefusesOtherExtensions) {
  std::ofstream(settingsPath) << "[Preferences]\r\nSystemEnableDragDrop=1\r\n";
  TFMain& w = Start();
  const std::string first = WriteImage("first.bmp", 6, 4);
  const std::string second = WriteImage("second.bmp", 9, 9);
  ASSERT_TRUE(
      DropFiles(*w.ImgView, {QString::fromStdString(first), QString::fromStdString(second)}));
  EXPECT_EQ(w.Document.CurrentFileName, first);
  EXPECT_EQ(w.Document.WorkingImage.Width(), 6);
  EXPECT_EQ(w.mruList.Entries(), std::vector<std::string>{first});
  DropFiles(*w.ImgView, {"/tmp/scan.tif", QString::fromStdString(second)});
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Invalid file extension");
  EXPECT_EQ(messages.shown[0].title, "Error");
  EXPECT_EQ(w.Document.CurrentFileName, first);
}

TEST_F(FilesTest, AChangeOnDiskReloadsAtOnceOrAfterTheQuestion) {
  std::ofstream(settingsPath) << "[Preferences]\r\nSystemAutoDetect=1\r\n";
  TFMain& w = Start();
  const std::string image = WriteImage("watched.bmp", 5, 5);
  Open(image);
  EXPECT_EQ(watch.calls.back(), "Start");
  EXPECT_EQ(watch.fileName, image);
  WriteImage("watched.bmp", 7, 3);
  watch.Changed();
  EXPECT_EQ(w.Document.WorkingImage.Width(), 7);
  EXPECT_TRUE(messages.shown.empty());

  w.Preferences.Set(Option::SystemAskReload, true);
  WriteImage("watched.bmp", 2, 2);
  messages.answers.push_back(MessageResult::Cancel);
  watch.Changed();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "File has changed.\n     Reload?");
  EXPECT_EQ(messages.shown[0].title, "Change detection");
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Question);
  EXPECT_EQ(messages.shown[0].buttons, MessageButtons::OKCancel);
  EXPECT_EQ(w.Document.WorkingImage.Width(), 7);  // Cancel keeps the image shown
  watch.Changed();                                // OK reloads
  EXPECT_EQ(w.Document.WorkingImage.Width(), 2);
}

TEST_F(FilesTest, SavingTheImageSwallowsTheChangeItCauses) {
  std::ofstream(settingsPath) << "[Preferences]\r\nSystemAutoDetect=1\r\n";
  TFMain& w = Start();
  const std::string image = WriteImage("saved.bmp", 5, 5);
  Open(image);
  dialogs.answers.push_back(image);
  ClickButton("btnSaveImage");
  EXPECT_TRUE(w.Document.IgnoreNextChange);
  WriteImage("saved.bmp", 8, 8);
  watch.Changed();
  EXPECT_EQ(w.Document.WorkingImage.Width(), 5);
  EXPECT_FALSE(w.Document.IgnoreNextChange);
}

TEST_F(FilesTest, WithoutAutodetectNothingIsWatched) {
  TFMain& w = Start();
  Open(WriteImage("plain.bmp", 3, 3));
  EXPECT_EQ(w.Document.WorkingImage.Width(), 3);
  EXPECT_FALSE(watch.running);
}

TEST_F(FilesTest, StartUpRunsTheDesktopIntegrationAndReportsARegistryFailure) {
  std::ofstream(settingsPath) << "[Preferences]\r\nContextMenu=1\r\n";
  shell.keysOpen = false;
  commandLineFile = WriteImage("shown.bmp", 4, 4);
  TFMain& w = Start();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "It was not possible to write at registry");
  EXPECT_EQ(messages.shown[0].title, "Registry error");
  EXPECT_EQ(w.Document.CurrentFileName, commandLineFile);  // start-up went on
  EXPECT_EQ(w.Document.WorkingImage.Width(), 4);
}

TEST_F(FilesTest, FurtherChangesWhileTheQuestionIsOpenAreFoldedIntoIt) {
  std::ofstream(settingsPath) << "[Preferences]\r\nSystemAutoDetect=1\r\nSystemAskReload=1\r\n";
  TFMain& w = Start();
  const std::string image = WriteImage("watched.bmp", 5, 5);
  Open(image);
  // The watch's timer fires twice more while the question waits for an answer.
  messages.whileShown = [&] {
    messages.whileShown = nullptr;
    WriteImage("watched.bmp", 9, 9);
    watch.Changed();
    watch.Changed();
  };
  messages.answers = {MessageResult::OK};
  WriteImage("watched.bmp", 7, 7);
  watch.Changed();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "Change detection");
  EXPECT_EQ(w.Document.WorkingImage.Width(), 9);  // the file as it is when answered

  // Cancel covers the changes folded into it as well.
  messages.whileShown = [&] { watch.Changed(); };
  messages.answers = {MessageResult::Cancel};
  watch.Changed();
  EXPECT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(w.Document.WorkingImage.Width(), 9);
}

// Open good.png, try a file that is no picture, then convert and reload.
TEST_F(FilesTest, AFailedOpenLeavesEverythingAsItWas) {
  std::ofstream(settingsPath) << "[Preferences]\r\nSystemAutoDetect=1\r\n";
  TFMain& w = Start();
  const std::string good = WriteImage("good.bmp", 12, 8);
  Open(good);
  Press(Qt::Key_F5);
  const std::string converted(w.mmoDataOutput->Text());
  const std::string empty = (folder / "empty.bmp").string();
  std::ofstream(empty).close();
  Open(empty);
  ASSERT_EQ(errors.messages.size(), 1u);
  EXPECT_EQ(errors.messages[0], "Cannot read \"" + empty + "\": the file is empty");
  EXPECT_EQ(w.Document.CurrentFileName, good);
  EXPECT_EQ(w.mmoDataOutput->Text(), converted);
  EXPECT_EQ(w.mruList.Entries(), std::vector<std::string>{good});
  EXPECT_EQ(watch.fileName, good);
  EXPECT_EQ(w.Label("lblName")->text(), "Name: good.bmp");

  Press(Qt::Key_F5);
  EXPECT_NE(w.mmoDataOutput->Text().find("const unsigned char good[198] PROGMEM"),
            std::string::npos);
  WriteImage("good.bmp", 3, 3);
  Press(Qt::CTRL | Qt::Key_R);
  EXPECT_EQ(w.Label("lblImageDimensions")->text(), "Dimensions: 3 x 3");
  EXPECT_EQ(errors.messages.size(), 1u);
}

TEST_F(FilesTest, AFailedFirstOpenLeavesTheImageCommandsDisabled) {
  TFMain& w = Start();
  Open((folder / "missing.png").string());
  EXPECT_EQ(errors.messages.size(), 1u);
  EXPECT_FALSE(Enabled("mnuConvert"));
  EXPECT_FALSE(Enabled("mnuReload"));
  EXPECT_TRUE(w.mruList.Empty());
  EXPECT_EQ(w.Document.CurrentFileName, "");
}

}  // namespace
}  // namespace pixmora

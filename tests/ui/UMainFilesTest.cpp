#include <QAction>
#include <QMenu>
#include <fstream>

#include "tests/ui/MainWindowFixture.h"

namespace pixmora {
namespace {

using FilesTest = MainWindowTest;

QList<QAction*> RecentItems(TFMain& w) {
  auto* menu = w.findChild<QMenu*>("mnuRecentFiles");
  emit menu->aboutToShow();
  return menu->findChildren<QAction*>("mnuMRU", Qt::FindDirectChildrenOnly);
}

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
  RecentItems(w)[1]->trigger();
  EXPECT_EQ(w.mruList.Entries(), (std::vector<std::string>{image, "/tmp/missing.bmp"}));
  EXPECT_EQ(w.Document.CurrentFileName, image);
  EXPECT_EQ(w.Document.WorkingImage.Width(), 12);
  // A failed load still moved its entry to the top, and the list gained nothing.
  RecentItems(w)[1]->trigger();
  EXPECT_EQ(w.mruList.Entries(), (std::vector<std::string>{"/tmp/missing.bmp", image}));
  ASSERT_EQ(errors.messages.size(), 1u);
  EXPECT_NE(errors.messages[0].find("missing.bmp"), std::string::npos);
}

TEST_F(FilesTest, ClearHistoryEmptiesTheListAndDisablesRecentFiles) {
  std::ofstream(settingsPath) << "[Recent]\r\nMRU1=/tmp/a.bmp\r\n";
  TFMain& w = Start();
  w.Command("mnuClearHistory")->trigger();
  EXPECT_TRUE(w.mruList.Empty());
  EXPECT_TRUE(RecentItems(w).isEmpty());
  w.mnuFileClick();
  EXPECT_FALSE(Enabled("mnuRecentFiles"));
}

}  // namespace
}  // namespace pixmora

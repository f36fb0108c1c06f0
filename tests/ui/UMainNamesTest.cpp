// File names outside ASCII reach the windows as the file system spells them.
#include <QAction>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QUrl>
#include <fstream>

#include "image/TImgView32.h"
#include "tests/ui/MainWindowFixture.h"

namespace pixmora {
namespace {

using NamesTest = MainWindowTest;

QStringList RecentCaptions(TFMain& w) {
  auto* menu = w.findChild<QMenu*>("mnuRecentFiles");
  menu->popup(w.mapToGlobal(QPoint(10, 10)));
  QStringList captions;
  for (QAction* item : menu->findChildren<QAction*>("mnuMRU", Qt::FindDirectChildrenOnly))
    captions << item->text();
  menu->close();
  return captions;
}

void DropOn(TImgView32* view, const std::string& path) {
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(QString::fromUtf8(path))});
  QWidget* target = view->viewport();
  const QPoint at = target->rect().center();
  QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &enter);
  ASSERT_TRUE(enter.isAccepted());
  QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &drop);
}

TEST_F(NamesTest, NamesInTheStatisticsPanelStatusBarAndRecentFilesAreUtf8) {
  std::ofstream(settingsPath) << "[Preferences]\r\nSystemEnableDragDrop=1\r\n";
  TFMain& w = Start();
  const std::string cafe = WriteImage("café.bmp", 4, 3);
  dialogs.answers.push_back(cafe);
  QTest::keyClick(&w, Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(w.Label("lblName")->text(), QString::fromUtf8("Name: café.bmp"));
  EXPECT_EQ(w.Label("lblImageName")->toolTip(), QString::fromUtf8(cafe));

  const std::string naive = WriteImage("naïve & co.bmp", 2, 2);
  DropOn(w.ImgView, naive);
  EXPECT_EQ(w.Document.CurrentFileName, naive);
  EXPECT_EQ(w.Label("lblName")->text(), QString::fromUtf8("Name: naïve & co.bmp"));
  EXPECT_EQ(RecentCaptions(w),
            QStringList({QString::fromUtf8("&1 " + folder.string() + "/naïve && co.bmp"),
                         QString::fromUtf8("&2 " + cafe)}));
}

}  // namespace
}  // namespace pixmora

// The main window's panels at the default size: the statistics panel whole and unwrapped, the
// status bar's fields as wide as their widest texts with lines between them, the output window
// a third of the window and as tall as it was left.
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <fstream>

#include "settings/IniFile.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/UElidedLabel.h"
#include "ui/UStatusSeparator.h"
#include "ui/WidestTexts.h"

namespace pixmora {
namespace {

class LayoutTest : public MainWindowTest {
 protected:
  TFMain& StartAtDefaultSize() {
    TFMain& w = Start();
    w.resize(800, 609);  // the offscreen screen is smaller than the window
    Open(WriteImage("layout.bmp", 40, 30));
    QApplication::processEvents();
    return w;
  }

  // Every label of the parent given its widest text: the ones it could not show whole. The
  // file names are shortened instead.
  static std::vector<std::string> LabelsTooNarrow(QWidget* parent) {
    std::vector<std::string> narrow;
    for (QLabel* label : parent->findChildren<QLabel*>()) {
      const std::string name = label->objectName().toStdString();
      const char* widest = WidestLabelText(name);
      if (qobject_cast<TElidedLabel*>(label))
        continue;
      if (!widest || label->wordWrap()) {
        narrow.push_back(name + (widest ? " wraps" : " has no widest text"));
        continue;
      }
      const QString shown = label->text();
      label->setText(widest);
      if (label->fontMetrics().horizontalAdvance(widest) > label->contentsRect().width())
        narrow.push_back(name);
      label->setText(shown);
    }
    return narrow;
  }
};

TEST_F(LayoutTest, TheStatisticsPanelShowsEveryGroupWholeWithRoomForOneMoreLine) {
  TFMain& w = StartAtDefaultSize();
  auto* area = w.pnlStatistics->findChild<QScrollArea*>();
  const int height = area->widget()->sizeHint().height();
  const int line = w.Label("lblOutputDataSize")->sizeHint().height();
  EXPECT_LE(height + 2 * line, area->viewport()->height());
  EXPECT_FALSE(area->verticalScrollBar()->isVisible());
  for (QGroupBox* group : area->widget()->findChildren<QGroupBox*>()) {
    EXPECT_TRUE(area->viewport()->rect().contains(
        QRect(group->mapTo(area->viewport(), QPoint()), group->size())))
        << group->title().toStdString();
  }
  // The file name has no widest text: a long one is shortened in the middle, never wrapped.
  auto* name = qobject_cast<TElidedLabel*>(w.Label("lblName"));
  ASSERT_NE(name, nullptr);
  name->setText("Name: " + QString(300, 'n') + ".bmp");
  EXPECT_TRUE(name->ShownText().endsWith(".bmp"));
  EXPECT_LE(name->fontMetrics().horizontalAdvance(name->ShownText()), name->contentsRect().width());
  EXPECT_EQ(LabelsTooNarrow(area->widget()), std::vector<std::string>());
}

TEST_F(LayoutTest, TheStatisticsPanelFitsItsTextsDockedLeftAndFloating) {
  TFMain& w = StartAtDefaultSize();
  auto* area = w.pnlStatistics->findChild<QScrollArea*>();
  w.addDockWidget(Qt::LeftDockWidgetArea, w.pnlStatistics);
  QApplication::processEvents();
  EXPECT_GT(w.pnlStatistics->height(), w.height() / 2);
  w.pnlStatistics->setFloating(true);
  QApplication::processEvents();
  // The floating panel is shorter than all groups: it scrolls, and the bar covers no text.
  EXPECT_TRUE(area->verticalScrollBar()->isVisible());
  EXPECT_EQ(LabelsTooNarrow(area->widget()), std::vector<std::string>());
}

TEST_F(LayoutTest, StatusBarFieldsFitTheirWidestTextsBetweenLines) {
  TFMain& w = StartAtDefaultSize();
  auto* name = static_cast<TElidedLabel*>(w.Label("lblImageName"));
  EXPECT_EQ(name->width(), 400);
  // A narrow window shortens the file name instead of growing past the screen.
  name->setText(QString::fromStdString((folder / std::string(200, 'n')).string()) + ".bmp");
  w.resize(560, 609);
  QApplication::processEvents();
  EXPECT_EQ(w.width(), 560);
  EXPECT_LT(name->width(), 400);
  EXPECT_TRUE(name->ShownText().endsWith("nnn.bmp"));
  EXPECT_LE(name->fontMetrics().horizontalAdvance(name->ShownText()), name->contentsRect().width());

  w.resize(800, 609);
  w.Command("mnuCropEnabled")->trigger();
  QApplication::processEvents();
  QStatusBar* bar = w.statusBar();
  ASSERT_TRUE(w.Label("lblCropSelection")->isVisible());
  EXPECT_EQ(LabelsTooNarrow(bar), std::vector<std::string>{"lblOutputState has no widest text"});
  // A line stands between each two fields shown, and goes with its field.
  const char* fields[] = {"lblImageName", "lblImageDimensions", "lblImageZoom", "lblCropSelection"};
  for (std::size_t i = 1; i < std::size(fields); ++i) {
    auto* line = bar->findChild<TStatusSeparator*>(QString("sep") + (fields[i] + 3));
    ASSERT_NE(line, nullptr) << fields[i];
    EXPECT_TRUE(line->isVisible()) << fields[i];
    EXPECT_EQ(line->frameShape(), QFrame::VLine);
    EXPECT_GE(line->x(), w.Label(fields[i - 1])->geometry().right()) << fields[i];
    EXPECT_LE(line->geometry().right(), w.Label(fields[i])->x()) << fields[i];
  }
  w.Command("mnuCropEnabled")->trigger();
  QApplication::processEvents();
  EXPECT_FALSE(w.Label("lblCropSelection")->isVisible());
  EXPECT_FALSE(bar->findChild<TStatusSeparator*>("sepCropSelection")->isVisible());
}

TEST_F(LayoutTest, TheOutputWindowOfAWindowOpenedMaximisedTakesAThirdOfIt) {
  std::ofstream(settingsPath) << "[Form]\r\nLeft=10\r\nTop=10\r\nWidth=800\r\nHeight=500\r\n"
                                 "State=2\r\n";
  TFMain& w = Start();
  ASSERT_TRUE(QTest::qWaitFor([&] { return w.isMaximized() && w.height() > 500; }));
  QApplication::processEvents();
  EXPECT_GE(w.pnlOutputPanel->height() * 3, w.height() - 3) << w.height();
}

TEST_F(LayoutTest, TheOutputWindowTakesAThirdAndKeepsTheHeightItWasLeftWith) {
  TFMain& w = StartAtDefaultSize();
  EXPECT_GE(w.pnlOutputPanel->height() * 3, w.height() - 3);
  w.resizeDocks({w.pnlOutputPanel}, {320}, Qt::Vertical);
  QApplication::processEvents();
  const int left = w.pnlOutputPanel->height();
  EXPECT_GT(left, w.height() / 2);
  w.close();
  window.reset();
  Start();
  EXPECT_EQ(window->pnlOutputPanel->height(), left);

  // A height the settings name is taken as it is, however small.
  window->close();
  window.reset();
  IniFile file;
  file.Load(settingsPath);
  file.WriteInteger("View", "OutputHeight", 120);
  ASSERT_EQ(file.Save(settingsPath), "");
  Start();
  EXPECT_EQ(window->pnlOutputPanel->height(), 120);
}

}  // namespace
}  // namespace pixmora

// Where the main window and the statistics panel come up. The X11* cases need a real window
// system and run in a CTest entry of their own under a virtual X server; offscreen they skip.
#include <QAbstractButton>
#include <QCheckBox>
#include <QDockWidget>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <algorithm>
#include <fstream>

#include "settings/IniFile.h"
#include "settings/USettings.h"
#include "tests/ui/MainWindowFixture.h"

namespace pixmora {
namespace {

class PlacementTest : public MainWindowTest {
 protected:
  void WriteSettings(const std::string& text) { std::ofstream(settingsPath) << text; }

  int Setting(const char* section, const char* key) const {
    IniFile file;
    file.Load(settingsPath);
    return file.ReadInteger(section, key, -1);
  }

  void DoubleClickTitle(QDockWidget* panel) {
    QTest::mouseDClick(panel, Qt::LeftButton, {}, QPoint(30, 8));
  }
};

TEST_F(PlacementTest, APlacementOffTheScreenOrTallerThanItComesOntoTheScreen) {
  WriteSettings("[Form]\r\nLeft=-2000\r\nTop=30\r\nWidth=700\r\nHeight=99999\r\nState=0\r\n");
  TFMain& w = Start();
  const QRect area = w.screen()->availableGeometry();
  EXPECT_TRUE(area.contains(w.frameGeometry()))
      << w.frameGeometry().x() << "," << w.frameGeometry().y() << " " << w.frameGeometry().height();
  EXPECT_EQ(w.frameGeometry().left(), area.left());
  EXPECT_EQ(w.frameGeometry().height(), area.height());
  EXPECT_EQ(w.width(), 700);
}

TEST_F(PlacementTest, ClosingMaximisedKeepsTheNormalFrameWhereItWasStartAfterStart) {
  WriteSettings("[Form]\r\nLeft=60\r\nTop=40\r\nWidth=700\r\nHeight=500\r\nState=0\r\n");
  Start().showMaximized();
  ASSERT_TRUE(QTest::qWaitFor([&] { return window->isMaximized(); }));
  for (int start = 0; start < 2; ++start) {
    window.reset();
    EXPECT_EQ(Setting("Form", "Left"), 60);
    EXPECT_EQ(Setting("Form", "Top"), 40);
    EXPECT_EQ(Setting("Form", "Width"), 700);
    EXPECT_EQ(Setting("Form", "Height"), 500);
    EXPECT_EQ(Setting("Form", "State"), 2);
    EXPECT_TRUE(Start().isMaximized());
  }
}

TEST_F(PlacementTest, TheStatisticsPanelFloatsWhereItFloatedLast) {
  WriteSettings("[Statistics]\r\nFloat=0\r\nDockSite=1\r\nFloatPosX=300\r\nFloatPosY=200\r\n");
  TFMain& w = Start();
  QDockWidget* panel = w.pnlStatistics;
  DoubleClickTitle(panel);
  ASSERT_TRUE(panel->isFloating());
  EXPECT_EQ(panel->pos(), QPoint(300, 200));
  EXPECT_EQ(panel->size(), QSize(std::max(210, panel->minimumSizeHint().width()), 360));

  panel->move(400, 250);  // as the window system moves it by its frame
  ASSERT_TRUE(QTest::qWaitFor([&] { return panel->pos() == QPoint(400, 250); }));
  panel->setFloating(false);  // a double click on that frame docks it
  w.close();
  EXPECT_EQ(Setting("Statistics", "Float"), 0);
  EXPECT_EQ(Setting("Statistics", "FloatPosX"), 400);
  EXPECT_EQ(Setting("Statistics", "FloatPosY"), 250);
  DoubleClickTitle(panel);
  EXPECT_EQ(panel->pos(), QPoint(400, 250));
}

class X11PlacementTest : public PlacementTest {
 protected:
  void SetUp() override {
    PlacementTest::SetUp();
    if (QGuiApplication::platformName() != "xcb")
      GTEST_SKIP() << "needs an X server: runs in the ui_widget_tests_x11 entry";
  }
};

// Counts the times a window is hidden.
class HideCounter : public QObject {
 public:
  int hides = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    hides += event->type() == QEvent::Hide;
    return false;
  }
};

TEST_F(X11PlacementTest, StayOnTopAtStartShowsTheWindowOnceAtItsPlace) {
  WriteSettings(
      "[Preferences]\r\nSystemStayOnTop=1\r\n"
      "[Form]\r\nLeft=100\r\nTop=50\r\nWidth=700\r\nHeight=500\r\nState=0\r\n");
  HideCounter counter;
  window = std::make_unique<TFMain>(MainServices{messages, dialogs, clipboard, errors, shell, watch,
                                                 settingsPath, "/opt/pixmora/Pixmora_Convert",
                                                 commandLineFile});
  window->installEventFilter(&counter);
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  EXPECT_EQ(counter.hides, 0);
  EXPECT_TRUE(window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_EQ(window->pos(), QPoint(100, 50));
  EXPECT_EQ(window->size(), QSize(700, 500));
  window->activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
}

TEST_F(X11PlacementTest, StayOnTopFromThePreferencesKeepsTheWindowActiveAndInPlace) {
  WriteSettings("[Form]\r\nLeft=100\r\nTop=50\r\nWidth=700\r\nHeight=500\r\nState=0\r\n");
  TFMain& w = Start();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  const WId native = w.winId();
  HideCounter counter;
  w.installEventFilter(&counter);
  QTimer::singleShot(0, [&w] {
    auto* tabs = w.frmSettings->findChild<QTabWidget*>("pagPreferences");
    auto* onTop = w.frmSettings->findChild<QCheckBox*>("chkStayOnTop");
    for (int i = 0; i < tabs->count(); ++i) {
      if (tabs->widget(i)->isAncestorOf(onTop))
        tabs->setCurrentIndex(i);
    }
    QTest::mouseClick(onTop, Qt::LeftButton, {}, QPoint(6, onTop->height() / 2));
    QTest::mouseClick(w.frmSettings->findChild<QAbstractButton*>("btnOK"), Qt::LeftButton);
  });
  QTest::mouseClick(w.findChild<QToolButton*>("btnPreferences"), Qt::LeftButton);
  ASSERT_TRUE(w.Preferences.Is(Option::SystemStayOnTop));
  EXPECT_TRUE(w.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_EQ(w.winId(), native);
  EXPECT_EQ(counter.hides, 0);
  EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
  EXPECT_EQ(w.pos(), QPoint(100, 50));
}

// CTest runs this on screens of several sizes and scales as well. The design size, or the
// screen's when that is smaller, with the menu on the screen; the next start puts it back
// where the first one left it.
TEST_F(X11PlacementTest, TheWindowComesUpWholeOnTheScreenAndBackThereNextTime) {
  TFMain& w = Start();
  QApplication::processEvents();
  const QRect area = w.screen()->availableGeometry();
  const QRect first = w.frameGeometry();
  EXPECT_TRUE(area.contains(first))
      << first.x() << "," << first.y() << " " << first.width() << "x" << first.height() << " on "
      << area.width() << "x" << area.height();
  EXPECT_EQ(w.size(), QSize(std::min(800, area.width()), std::min(609, area.height())));
  const QWidget* menu = w.findChild<QMenuBar*>("mnuMainMenu");
  EXPECT_GE(menu->mapToGlobal(QPoint()).y(), area.top());
  w.close();
  window.reset();
  EXPECT_EQ(Start().frameGeometry(), first);
}

}  // namespace
}  // namespace pixmora

// Not tests: scripts/screenshot.sh runs these (disabled) cases to picture the main window with
// a converted image, the Display preview and every secondary window. PIXMORA_SCREENSHOT names the
// PNG to write (or, for the secondary windows, the folder), PIXMORA_SCREENSHOT_IMAGE the picture
// to open, PIXMORA_SCREENSHOT_SIZE the window's size ("800x609") and PIXMORA_SCREENSHOT_DARK=1
// asks for a dark theme.
#include <QDialog>
#include <QPalette>
#include <QScrollBar>
#include <QStatusBar>
#include <cstdio>
#include <fstream>

#include "image/TImgView32.h"
#include "image/UMonochrome.h"
#include "image/UResize.h"
#include "settings/USettings.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/UAbout.h"
#include "ui/UCropTo.h"
#include "ui/UDisplayPreview.h"
#include "ui/UPalette.h"

namespace pixmora {

namespace {

QPalette DarkPalette() {
  QPalette dark;
  dark.setColor(QPalette::Window, QColor(45, 45, 48));
  dark.setColor(QPalette::WindowText, QColor(220, 220, 220));
  dark.setColor(QPalette::Base, QColor(30, 30, 30));
  dark.setColor(QPalette::AlternateBase, QColor(45, 45, 48));
  dark.setColor(QPalette::Text, QColor(220, 220, 220));
  dark.setColor(QPalette::Button, QColor(55, 55, 58));
  dark.setColor(QPalette::ButtonText, QColor(220, 220, 220));
  dark.setColor(QPalette::ToolTipBase, QColor(70, 66, 45));
  dark.setColor(QPalette::ToolTipText, QColor(235, 235, 220));
  dark.setColor(QPalette::Highlight, QColor(42, 110, 200));
  dark.setColor(QPalette::HighlightedText, Qt::white);
  dark.setColor(QPalette::Link, QColor(110, 170, 255));
  for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    dark.setColor(QPalette::Disabled, role, QColor(120, 120, 120));
  return dark;
}

class ScreenshotTest : public MainWindowTest {
 protected:
  TFMain& StartConverted() {
    const char* picture = std::getenv("PIXMORA_SCREENSHOT_IMAGE");
    EXPECT_NE(picture, nullptr);
    if (const char* dark = std::getenv("PIXMORA_SCREENSHOT_DARK"); dark && *dark == '1')
      QApplication::setPalette(DarkPalette());
    int width = 1000, height = 720;
    if (const char* size = std::getenv("PIXMORA_SCREENSHOT_SIZE"))
      std::sscanf(size, "%dx%d", &width, &height);
    // Opened at that size, as the settings of an earlier run open it.
    std::ofstream(settingsPath) << "[Form]\r\nLeft=0\r\nTop=0\r\nWidth=" << width
                                << "\r\nHeight=" << height << "\r\nState=0\r\n";
    TFMain& w = Start();
    QTest::qWait(100);
    Open(picture ? picture : "");
    ChooseMenuItem("mnuView", {"mnuZoomToFit"});
    Press(Qt::Key_F5);
    QTest::qWait(200);
    return w;
  }
};

TEST_F(ScreenshotTest, DISABLED_MainWindowScreenshot) {
  const char* output = std::getenv("PIXMORA_SCREENSHOT");
  ASSERT_TRUE(output);
  TFMain& w = StartConverted();
  ASSERT_TRUE(w.grab().save(QString::fromLocal8Bit(output)));
}

// The Display preview beside the picture at 800 %: a 3-3-2 conversion with the pixels marked
// that differ by more than 24, and the status bar's text for a pixel under the pointer.
TEST_F(MainWindowTest, DISABLED_DisplayPreviewScreenshot) {
  const char* output = std::getenv("PIXMORA_SCREENSHOT");
  const char* picture = std::getenv("PIXMORA_SCREENSHOT_IMAGE");
  ASSERT_TRUE(output && picture);
  std::ofstream(settingsPath) << "[Preferences]\r\nColor256=1\r\nColor65536=0\r\n"
                              << "[Preview]\r\nShown=1\r\nDifferences=1\r\nTolerance=24\r\n";
  TFMain& w = Start();
  w.resize(1200, 720);
  Open(picture);
  for (int i = 0; i < 70; ++i)
    Press(Qt::Key_PageUp);
  Press(Qt::Key_F5);
  TImgView32* preview = w.pnlDisplayPreview->View;
  const QPoint at(static_cast<int>(13.5 * preview->Scale()),
                  static_cast<int>(4.5 * preview->Scale()));
  QTest::mouseMove(preview->viewport(), at);
  QTest::qWait(200);
  std::printf("%s\n", w.statusBar()->currentMessage().toStdString().c_str());
  ASSERT_TRUE(w.grab().save(QString::fromLocal8Bit(output)));
}

TEST_F(ScreenshotTest, DISABLED_SecondaryWindowScreenshots) {
  const char* folder = std::getenv("PIXMORA_SCREENSHOT");
  ASSERT_TRUE(folder);
  TFMain& w = StartConverted();
  ClickButton("mnuResampleImage2");
  const auto shoot = [&](QDialog* window, const char* name, const std::function<void()>& open) {
    const QString path = QString::fromLocal8Bit(folder) + "/" + name + ".png";
    WhenShown(window, [window, path] {
      QTest::qWait(100);
      window->grab().save(path);
      window->close();
    });
    open();
  };
  shoot(w.frmMonochrome, "threshold-window", [&] { ChooseMenuItem("mnuEdit", {"mnuMonochrome"}); });
  shoot(w.frmResize, "resize-window", [&] { ChooseMenuItem("mnuEdit", {"mnuResizeImage"}); });
  shoot(w.frmCropTo, "crop-to-window", [&] { ChooseMenuItem("mnuEdit", {"mnuCropTo"}); });
  shoot(w.frmSettings, "preferences-window",
        [&] { ChooseMenuItem("mnuSettings", {"mnuPreferences"}); });
  shoot(w.frmAbout, "about-box", [&] { ChooseMenuItem("mnuHelp", {"mnuAbout"}); });
  shoot(w.frmPalette, "color-table-window", [&] { ChooseMenuItem("mnuView", {"mnuColorTable"}); });
}

}  // namespace
}  // namespace pixmora

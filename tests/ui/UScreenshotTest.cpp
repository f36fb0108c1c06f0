// Not tests: scripts/screenshot.sh runs these (disabled) cases to picture the main window with
// a converted image. PIXMORA_SCREENSHOT names the PNG to write, PIXMORA_SCREENSHOT_IMAGE the
// picture to open.
#include <QScrollBar>
#include <QStatusBar>
#include <cstdio>
#include <fstream>

#include "image/TImgView32.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/UDisplayPreview.h"

namespace pixmora {

namespace {

TEST_F(MainWindowTest, DISABLED_MainWindowScreenshot) {
  const char* output = std::getenv("PIXMORA_SCREENSHOT");
  const char* picture = std::getenv("PIXMORA_SCREENSHOT_IMAGE");
  ASSERT_TRUE(output && picture);
  TFMain& w = Start();
  w.resize(1000, 720);
  Open(picture);
  for (int i = 0; i < 90; ++i)
    Press(Qt::Key_PageUp);
  Press(Qt::Key_F5);
  QTest::qWait(200);
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

}  // namespace
}  // namespace pixmora

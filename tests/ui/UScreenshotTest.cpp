// Not a test: scripts/screenshot.sh runs this (disabled) case to picture the main window with
// a converted image. PIXMORA_SCREENSHOT names the PNG to write, PIXMORA_SCREENSHOT_IMAGE the
// picture to open.
#include "tests/ui/MainWindowFixture.h"

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

}  // namespace
}  // namespace pixmora

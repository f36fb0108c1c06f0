// Not a test: scripts/screenshot.sh runs this (disabled) case to picture the main window with
// a converted image. PIXMORA_SCREENSHOT names the PNG to write, PIXMORA_SCREENSHOT_IMAGE the
// picture to open (a generated one when unset).
#include <QImage>
#include <QPixmap>
#include <cmath>

#include "tests/ui/MainWindowFixture.h"

namespace pixmora {
namespace {

TEST_F(MainWindowTest, DISABLED_MainWindowScreenshot) {
  const char* output = std::getenv("PIXMORA_SCREENSHOT");
  ASSERT_NE(output, nullptr);
  const char* picture = std::getenv("PIXMORA_SCREENSHOT_IMAGE");
  std::string path = picture ? picture : "";
  if (path.empty()) {
    TBitmap32 image(160, 120);
    for (int y = 0; y < 120; ++y) {
      for (int x = 0; x < 160; ++x) {
        const double d = std::hypot(x - 80.0, y - 60.0);
        image.SetPixel(x, y,
                       MakePixel(x * 255 / 159, y * 255 / 119,
                                 static_cast<std::uint8_t>(d < 40 ? 255 - d * 4 : 60)));
      }
    }
    path = (folder / "sample.bmp").string();
    ASSERT_EQ(WriteBmp32(image, path), "");
  }
  TFMain& w = Start();
  w.resize(1000, 700);
  Open(path);
  for (int i = 0; i < 10; ++i)
    w.Command("mnuZoomIn")->trigger();
  w.Command("mnuConvert")->trigger();
  QTest::qWait(200);
  ASSERT_TRUE(w.grab().save(QString::fromLocal8Bit(output)));
}

}  // namespace
}  // namespace pixmora

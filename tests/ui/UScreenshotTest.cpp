// Not tests: scripts/screenshot.sh runs these (disabled) cases to picture the main window with
// a converted image and every secondary window. PIXMORA_SCREENSHOT names the PNG to write (or,
// for the secondary windows, the folder), PIXMORA_SCREENSHOT_IMAGE the picture to open,
// PIXMORA_SCREENSHOT_SIZE the window's size ("800x609") and PIXMORA_SCREENSHOT_DARK=1 asks for
// a dark theme.
#include <QDialog>
#include <QPalette>

#include "image/UMonochrome.h"
#include "image/UResize.h"
#include "settings/USettings.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/UAbout.h"
#include "ui/UCropTo.h"
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
    TFMain& w = Start();
    int width = 1000, height = 720;
    if (const char* size = std::getenv("PIXMORA_SCREENSHOT_SIZE"))
      std::sscanf(size, "%dx%d", &width, &height);
    w.resize(width, height);
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

#include <QLabel>
#include <QWheelEvent>

#include "image/TImgView32.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/TMemo.h"

namespace pixmora {
namespace {

class ViewTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    Start();
    Open(WriteImage("view.bmp", 40, 30));
  }

  QString ZoomLabel() {
    window->ImgView->viewport()->repaint();
    return window->Label("lblImageZoom")->text();
  }

  void Wheel(QWidget* target, int delta) {
    const QPoint centre = target->rect().center();
    QWheelEvent wheel(centre, target->mapToGlobal(centre), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
  }
};

TEST_F(ViewTest, TenZoomOutStepsReachTenPercentAndStop) {
  EXPECT_EQ(ZoomLabel(), "Zoom: 100%");
  for (int i = 0; i < 9; ++i)
    window->Command("mnuZoomOut")->trigger();
  EXPECT_EQ(ZoomLabel(), "Zoom: 10%");
  const float bottom = window->ZoomFactor;
  window->Command("mnuZoomOut")->trigger();
  EXPECT_EQ(window->ZoomFactor, bottom);
  EXPECT_EQ(ZoomLabel(), "Zoom: 10%");
}

TEST_F(ViewTest, FortyZoomInStepsKeepTheGridHiddenAndTheNextShowsIt) {
  for (int i = 0; i < 40; ++i)
    window->Command("mnuZoomIn")->trigger();
  EXPECT_EQ(ZoomLabel(), "Zoom: 500%");
  EXPECT_FALSE(window->ImgView->PixelGridVisible());
  window->Command("mnuZoomIn")->trigger();
  EXPECT_EQ(ZoomLabel(), "Zoom: 510%");
  EXPECT_TRUE(window->ImgView->PixelGridVisible());
  EXPECT_FLOAT_EQ(window->ImgView->Scale(), window->ZoomFactor);
  window->Command("mnuOriginalSize")->trigger();
  EXPECT_EQ(ZoomLabel(), "Zoom: 100%");
  EXPECT_FALSE(window->ImgView->PixelGridVisible());
}

TEST_F(ViewTest, PageKeysZoomOnceAnImageIsLoaded) {
  QTest::keyClick(window.get(), Qt::Key_PageUp);
  EXPECT_EQ(ZoomLabel(), "Zoom: 110%");
  QTest::keyClick(window.get(), Qt::Key_PageDown);
  EXPECT_EQ(ZoomLabel(), "Zoom: 100%");
}

TEST_F(ViewTest, WheelOverTheOutputScrollsAndOverTheViewZooms) {
  std::string text;
  for (int i = 0; i < 500; ++i)
    text += "line\r\n";
  window->mmoDataOutput->SetText(text);
  Wheel(window->mmoDataOutput->viewport(), -120);
  EXPECT_GT(window->mmoDataOutput->TopLine(), 0u);
  EXPECT_EQ(window->ZoomFactor, 1.0f);

  window->mmoDataOutput->setFocus();
  Wheel(window->ImgView->viewport(), 120);
  EXPECT_EQ(ZoomLabel(), "Zoom: 110%");
  EXPECT_TRUE(window->ImgView->hasFocus());
  Wheel(window->ImgView->viewport(), -120);
  Wheel(window->ImgView->viewport(), -120);
  EXPECT_EQ(ZoomLabel(), "Zoom: 90%");
}

TEST_F(ViewTest, SaveImageAsksOnlyTheFirstTime) {
  const std::string target = (folder / "saved.bmp").string();
  dialogs.answers = {target};
  const std::size_t before = dialogs.shown.size();
  window->Command("mnuSaveImage")->trigger();
  window->Command("mnuSaveImage")->trigger();
  EXPECT_EQ(dialogs.shown.size(), before + 1);
  EXPECT_EQ(dialogs.shown.back().dialog.defaultExtension, ".bmp");
  EXPECT_TRUE(dialogs.shown.back().dialog.overwritePrompt);
  EXPECT_TRUE(std::filesystem::exists(target));
  EXPECT_EQ(window->Document.CurrentFileName, target);

  dialogs.answers = {std::nullopt};
  window->Command("mnuSaveImageAs")->trigger();
  EXPECT_EQ(dialogs.shown.size(), before + 2);
  EXPECT_EQ(window->Document.CurrentFileName, target);
}

}  // namespace
}  // namespace pixmora

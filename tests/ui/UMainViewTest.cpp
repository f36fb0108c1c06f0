#include <QLabel>
#include <QWheelEvent>
#include <fstream>

#include "image/TImgView32.h"
#include "platform/AtomicFile.h"
#include "tests/image/DropFiles.h"
#include "tests/image/TestImages.h"
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
  for (int i = 0; i < 8; ++i)
    Press(Qt::Key_PageDown);
  ChooseMenuItem("mnuView", {"mnuZoomOut"});
  EXPECT_EQ(ZoomLabel(), "Zoom: 10%");
  const float bottom = window->ZoomFactor;
  Press(Qt::Key_PageDown);
  EXPECT_EQ(window->ZoomFactor, bottom);
  EXPECT_EQ(ZoomLabel(), "Zoom: 10%");
}

TEST_F(ViewTest, FortyZoomInStepsKeepTheGridHiddenAndTheNextShowsIt) {
  for (int i = 0; i < 39; ++i)
    Press(Qt::Key_PageUp);
  ChooseMenuItem("mnuView", {"mnuZoomIn"});
  EXPECT_EQ(ZoomLabel(), "Zoom: 500%");
  EXPECT_FALSE(window->ImgView->PixelGridVisible());
  Press(Qt::Key_PageUp);
  EXPECT_EQ(ZoomLabel(), "Zoom: 510%");
  EXPECT_TRUE(window->ImgView->PixelGridVisible());
  EXPECT_FLOAT_EQ(window->ImgView->Scale(), window->ZoomFactor);
  ClickButton("btnOiginal");
  EXPECT_EQ(ZoomLabel(), "Zoom: 100%");
  EXPECT_FALSE(window->ImgView->PixelGridVisible());
  Press(Qt::Key_PageUp);
  ChooseMenuItem("mnuView", {"mnuOriginalSize"});
  EXPECT_EQ(ZoomLabel(), "Zoom: 100%");
}

TEST_F(ViewTest, PageKeysZoomOnceAnImageIsLoaded) {
  Press(Qt::Key_PageUp);
  EXPECT_EQ(ZoomLabel(), "Zoom: 110%");
  Press(Qt::Key_PageDown);
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
  ClickButton("btnSaveImage");
  ChooseMenuItem("mnuFile", {"mnuSaveImage"});
  EXPECT_EQ(dialogs.shown.size(), before + 1);
  EXPECT_EQ(dialogs.shown.back().dialog.title, "Save image as...");
  EXPECT_EQ(dialogs.shown.back().dialog.defaultExtension, ".bmp");
  ASSERT_EQ(dialogs.shown.back().dialog.filters.size(), 1u);
  EXPECT_EQ(dialogs.shown.back().dialog.filters[0].description, "Bmp Files (*.bmp)");
  EXPECT_EQ(dialogs.shown.back().dialog.filters[0].patterns, "*.bmp");
  EXPECT_TRUE(dialogs.shown.back().dialog.overwritePrompt);
  EXPECT_TRUE(std::filesystem::exists(target));
  EXPECT_EQ(window->Document.CurrentFileName, target);

  dialogs.answers = {std::nullopt};
  ChooseMenuItem("mnuFile", {"mnuSaveImageAs"});
  EXPECT_EQ(dialogs.shown.size(), before + 2);
  EXPECT_EQ(window->Document.CurrentFileName, target);
}

// Open anim.gif, go to frame 3, save it as frame3.bmp, open anim.gif again and press Save
// Image: the picture now shown is another one, so the name is asked again.
TEST_F(ViewTest, OpeningAFileAgainForgetsWhereTheLastPictureWasSaved) {
  const std::string anim = (folder / "anim.gif").string();
  const testing::Bytes gif = testing::MakeAnimatedGif(3, 4, 3);
  std::ofstream(anim, std::ios::binary)
      .write(reinterpret_cast<const char*>(gif.data()), static_cast<std::streamsize>(gif.size()));
  Open(anim);
  ClickButton("btnNext");
  ChooseMenuItem("mnuView", {"mnuNext"});
  ASSERT_EQ(window->Label("lblAnimations")->text(), "Animations: 3 from 3");
  const std::string frame3 = (folder / "frame3.bmp").string();
  dialogs.answers = {frame3};
  ClickButton("btnSaveImage");
  std::string saved;
  ASSERT_EQ(ReadWholeFile(frame3, saved), "");

  Open(anim);
  ASSERT_EQ(window->Label("lblAnimations")->text(), "Animations: 1 from 3");
  const std::size_t asked = dialogs.shown.size();
  dialogs.answers = {std::nullopt};
  ClickButton("btnSaveImage");
  EXPECT_EQ(dialogs.shown.size(), asked + 1);
  std::string after;
  ASSERT_EQ(ReadWholeFile(frame3, after), "");
  EXPECT_EQ(after, saved);

  // Reload reads the same picture again and keeps the name; a drop and a recent file forget it.
  dialogs.answers = {frame3};
  ClickButton("btnSaveImage");
  Press(Qt::CTRL | Qt::Key_R);
  ClickButton("btnSaveImage");
  EXPECT_EQ(dialogs.shown.size(), asked + 2);
  window->ImgView->SetDropEnabled(true);
  DropFiles(*window->ImgView, {QString::fromStdString(anim)});
  dialogs.answers = {std::nullopt};
  ClickButton("btnSaveImage");
  EXPECT_EQ(dialogs.shown.size(), asked + 3);
}

}  // namespace
}  // namespace pixmora

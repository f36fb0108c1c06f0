#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <functional>

#include "image/TImgView32.h"
#include "image/UMonochrome.h"
#include "image/UResize.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/TMemo.h"

namespace pixmora {
namespace {

class EditTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    Start();
  }

  // What the image popup offers, as it pops up.
  std::pair<bool, bool> PopupCropResize() {
    window->pumCropResize->popup(window->mapToGlobal(QPoint(10, 10)));
    const std::pair<bool, bool> states{Enabled("pmnCrop"), Enabled("pmnResize")};
    window->pumCropResize->close();
    return states;
  }

  // Runs the command; while its window is open, the width field gets this text typed into it
  // and then the button is pressed.
  void Resize(const std::function<void()>& command, const char* width,
              QPushButton* TFResize::*button) {
    TFResize* resize = window->frmResize;
    WhenShown(resize, [resize, width, button] {
      resize->spnWidth->setFocus();
      resize->spnWidth->selectAll();
      QTest::keyClicks(resize->spnWidth, width);
      QTest::mouseClick(resize->*button, Qt::LeftButton);
    });
    command();
    ASSERT_FALSE(resize->isVisible());
  }
};

TEST_F(EditTest, ImagePopupFollowsTheCropAndResizeCommands) {
  EXPECT_EQ(PopupCropResize(), std::make_pair(false, false));
  Open(WriteImage("p.bmp", 20, 10));
  EXPECT_EQ(PopupCropResize(), std::make_pair(false, true));
  ChooseMenuItem("mnuEdit", {"mnuCropEnabled"});
  EXPECT_EQ(PopupCropResize(), std::make_pair(true, true));
  EXPECT_TRUE(window->ImgView->CropSelectionVisible());
  ChooseMenuItem("mnuEdit", {"mnuCropEnabled"});
  EXPECT_EQ(PopupCropResize(), std::make_pair(false, true));
  EXPECT_FALSE(window->ImgView->CropSelectionVisible());
}

TEST_F(EditTest, RotationAndCropShowTheNewSize) {
  Open(WriteImage("p.bmp", 20, 10));
  ClickButton("btnRotateRight");
  EXPECT_EQ(window->Label("lblImageDimensions")->text(), "Dimensions: 10 x 20");
  EXPECT_EQ(window->ImgView->BitmapSize(), QSize(10, 20));
  EXPECT_FALSE(window->Document.ImageChanged);
  ChooseMenuItem("mnuEdit", {"mnuCropEnabled"});
  window->ImgView->SetCropSelection(QRect(2, 3, 5, 6));
  ClickButton("btnCropImage");
  EXPECT_EQ(window->Label("lblImageDimensions")->text(), "Dimensions: 5 x 6");
  EXPECT_TRUE(window->Document.ImageChanged);
  EXPECT_EQ(window->ImgView->CropSelection(), QRect(0, 0, 5, 6));
}

TEST_F(EditTest, ResizeCommandResamplesAndMarksTheImageChanged) {
  Open(WriteImage("p.bmp", 20, 10));
  Resize([this] { ChooseMenuItem("mnuEdit", {"mnuResizeImage"}); }, "40", &TFResize::btnOK);
  EXPECT_EQ(window->Document.WorkingImage.Width(), 40);
  EXPECT_EQ(window->Document.WorkingImage.Height(), 20);
  EXPECT_EQ(window->Label("lblImageDimensions")->text(), "Dimensions: 40 x 20");
  EXPECT_EQ(window->Label("lblDimensions")->text(), "Dimensions: 40 x 20");
  EXPECT_EQ(window->ImgView->BitmapSize(), QSize(40, 20));
  EXPECT_EQ(window->ImgView->CropSelection(), QRect(0, 0, 40, 20));
  EXPECT_TRUE(window->Document.ImageChanged);
}

TEST_F(EditTest, CancelledResizeChangesNothingAZeroSizeOnlyMarksTheImage) {
  Open(WriteImage("p.bmp", 20, 10));
  const TBitmap32 before = window->Document.WorkingImage;
  Resize([this] { ClickButton("btnResize"); }, "40", &TFResize::btnCancel);
  EXPECT_EQ(window->Document.WorkingImage, before);
  EXPECT_EQ(window->Label("lblImageDimensions")->text(), "Dimensions: 20 x 10");
  EXPECT_FALSE(window->Document.ImageChanged);

  ASSERT_TRUE(PopupCropResize().second);  // opening the popup enables its Resize item
  Resize([this] { window->Command("pmnResize")->trigger(); }, "0", &TFResize::btnOK);
  EXPECT_EQ(window->Document.WorkingImage, before);
  EXPECT_TRUE(window->Document.ImageChanged);
}

TEST_F(EditTest, ThresholdCommandEmptiesTheOutputALoadLeavesTheNewImageInColor) {
  Open(WriteImage("p.bmp", 20, 10));
  Press(Qt::Key_F5);
  ASSERT_FALSE(window->mmoDataOutput->IsEmpty());
  TFMonochrome* threshold = window->frmMonochrome;
  WhenShown(threshold, [threshold] {
    QTest::keyClick(threshold->scbThreshold, Qt::Key_Home);
    QTest::mouseClick(threshold->btnOK, Qt::LeftButton);
  });
  ChooseMenuItem("mnuEdit", {"mnuMonochrome"});
  EXPECT_TRUE(window->mmoDataOutput->IsEmpty());
  EXPECT_EQ(window->Label("lblConvertMode")->text(), "Convert mode: Monochrome");
  EXPECT_TRUE(window->Command("mnuMonochromeMode1")->isChecked());
  EXPECT_EQ(threshold->scbThreshold->value(), 0);

  Open(WriteImage("q.bmp", 20, 10));
  EXPECT_EQ(threshold->scbThreshold->value(), kDefaultThresholdPosition);
  EXPECT_EQ(window->Document.WorkingImage, window->Document.ColorImageCopy);
}

TEST_F(EditTest, ModeSwitchEmptiesTheOutputAndShowsTheMode) {
  Open(WriteImage("p.bmp", 20, 10));
  Press(Qt::Key_F5);
  ASSERT_FALSE(window->mmoDataOutput->IsEmpty());
  // The toolbar's drop-down, by keyboard: Color, then Monochrome.
  window->mnuImageMode2->setFocus();
  QTest::keyClick(window->mnuImageMode2, Qt::Key_Down);
  EXPECT_TRUE(window->mmoDataOutput->IsEmpty());
  EXPECT_EQ(window->Label("lblConvertMode")->text(), "Convert mode: Monochrome");
  EXPECT_EQ(window->mnuImageMode2->currentText(), "Monochrome");
  Press(Qt::Key_F5);
  EXPECT_EQ(window->Engine.ColorModeWord(), 0x000F);  // monochrome vertical, no compression
}

TEST_F(EditTest, PaletteConversionAfterResampleReducesAgainAndShowsTheTable) {
  Open(WriteImage("p.bmp", 40, 30));
  // The split button's arrow opens the color counts.
  auto* resample = window->tlbMainToolbar->findChild<QToolButton*>("mnuResampleImage2");
  ClickButton("mnuResampleImage2");  // brings it into view; 256 colors
  WhenShown(resample->menu(), [resample] {
    QMenu* counts = resample->menu();
    QAction* sixteen = counts->actions().at(4);
    ASSERT_EQ(sixteen->text(), "16 Colors");
    QTest::mouseClick(counts, Qt::LeftButton, {}, counts->actionGeometry(sixteen).center());
  });
  QTest::mouseClick(resample, Qt::LeftButton, {},
                    QPoint(resample->width() - 4, resample->height() / 2));
  ClickButton("mnuResampleImage2");
  EXPECT_TRUE(Enabled("mnuPaletteMode1"));
  EXPECT_TRUE(window->Command("mnuPaletteMode1")->isChecked());
  EXPECT_EQ(window->Label("lblConvertMode")->text(), "Convert mode: Palette");
  EXPECT_EQ(window->Document.PaletteColorCount, 16);
  window->Document.ColorTable.clear();  // only a new reduction can bring the palette back
  window->Document.PaletteColorCount = 0;
  Press(Qt::Key_F5);
  ASSERT_FALSE(window->mmoDataOutput->IsEmpty());
  EXPECT_EQ(window->Document.PaletteColorCount, 16);
  // 16 colors as 5-6-5 words (the default table representation): 32 bytes.
  EXPECT_EQ(window->Label("lblColorTableSize")->text(), "Color table size: 32 bytes");
}

}  // namespace
}  // namespace pixmora

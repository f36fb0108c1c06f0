#include <QComboBox>
#include <QLabel>
#include <QMenu>

#include "image/TImgView32.h"
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
};

TEST_F(EditTest, ImagePopupFollowsTheCropAndResizeCommands) {
  EXPECT_EQ(PopupCropResize(), std::make_pair(false, false));
  Open(WriteImage("p.bmp", 20, 10));
  EXPECT_EQ(PopupCropResize(), std::make_pair(false, true));
  window->Command("mnuCropEnabled")->trigger();
  EXPECT_EQ(PopupCropResize(), std::make_pair(true, true));
  EXPECT_TRUE(window->ImgView->CropSelectionVisible());
  window->Command("mnuCropEnabled")->trigger();
  EXPECT_EQ(PopupCropResize(), std::make_pair(false, true));
  EXPECT_FALSE(window->ImgView->CropSelectionVisible());
}

TEST_F(EditTest, RotationAndCropShowTheNewSize) {
  Open(WriteImage("p.bmp", 20, 10));
  window->Command("mnuRotateRight")->trigger();
  EXPECT_EQ(window->Label("lblImageDimensions")->text(), "Dimensions: 10 x 20");
  EXPECT_EQ(window->ImgView->BitmapSize(), QSize(10, 20));
  EXPECT_FALSE(window->Document.ImageChanged);
  window->Command("mnuCropEnabled")->trigger();
  window->ImgView->SetCropSelection(QRect(2, 3, 5, 6));
  window->Command("mnuCropImage")->trigger();
  EXPECT_EQ(window->Label("lblImageDimensions")->text(), "Dimensions: 5 x 6");
  EXPECT_TRUE(window->Document.ImageChanged);
  EXPECT_EQ(window->ImgView->CropSelection(), QRect(0, 0, 5, 6));
}

TEST_F(EditTest, ModeSwitchEmptiesTheOutputAndShowsTheMode) {
  Open(WriteImage("p.bmp", 20, 10));
  window->Command("mnuConvert")->trigger();
  ASSERT_FALSE(window->mmoDataOutput->IsEmpty());
  window->Command("mnuMonochromeMode1")->trigger();
  EXPECT_TRUE(window->mmoDataOutput->IsEmpty());
  EXPECT_EQ(window->Label("lblConvertMode")->text(), "Convert mode: Monochrome");
  EXPECT_EQ(window->mnuImageMode2->currentText(), "Monochrome");
  window->Command("mnuConvert")->trigger();
  EXPECT_EQ(window->Engine.ColorModeWord(), 0x000F);  // monochrome vertical, no compression
}

TEST_F(EditTest, PaletteConversionAfterResampleReducesAgainAndShowsTheTable) {
  Open(WriteImage("p.bmp", 40, 30));
  window->findChild<QAction*>("btn16Colors")->trigger();
  window->Command("mnuResampleImage2")->trigger();
  EXPECT_TRUE(Enabled("mnuPaletteMode1"));
  EXPECT_TRUE(window->Command("mnuPaletteMode1")->isChecked());
  EXPECT_EQ(window->Label("lblConvertMode")->text(), "Convert mode: Palette");
  EXPECT_EQ(window->Document.PaletteColorCount, 16);
  window->Document.ColorTable.clear();  // only a new reduction can bring the palette back
  window->Document.PaletteColorCount = 0;
  window->Command("mnuConvert")->trigger();
  ASSERT_FALSE(window->mmoDataOutput->IsEmpty());
  EXPECT_EQ(window->Document.PaletteColorCount, 16);
  // 16 colors as 5-6-5 words (the default table representation): 32 bytes.
  EXPECT_EQ(window->Label("lblColorTableSize")->text(), "Color table size: 32 bytes");
}

}  // namespace
}  // namespace pixmora

// The Sizes window on the real main window: the --compare table of the picture as it is shown,
// and a row chosen by a click and Apply, a double click or Enter, whose settings the document
// takes so that the next Convert makes that encoding.
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "image/TImgView32.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/TMemo.h"
#include "ui/USizes.h"

namespace pixmora {
namespace {

class SizesTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    Start();
    Open(WriteImage("photo.bmp", 30, 20));
  }

  QTableWidget* Grid() { return window->frmSizes->grdSizes; }

  // The table's row of an encoding.
  int RowOf(const std::string& label) {
    for (int r = 0; r < Grid()->rowCount(); ++r) {
      if (Grid()->item(r, 4)->text().toStdString() == label)
        return r;
    }
    return -1;
  }

  QPoint CellCentre(int row, int column) {
    Grid()->scrollToItem(Grid()->item(row, column));
    return Grid()->visualItemRect(Grid()->item(row, column)).center();
  }

  // Opens the window from the View menu and runs `act` on it while it is shown.
  void OpenSizes(std::function<void()> act) {
    bool acted = false;
    WhenShown(window->frmSizes, [&, act] {
      act();
      acted = true;
      // What act left open is closed.
      if (window->frmSizes->isVisible())
        window->frmSizes->reject();
    });
    ChooseMenuItem("mnuView", {"mnuSizes"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return acted && !window->frmSizes->isVisible(); }));
  }

  // Chooses the row of an encoding with a click on it and Apply.
  void Choose(const std::string& label) {
    OpenSizes([this, label] {
      const int row = RowOf(label);
      ASSERT_GE(row, 0) << label;
      QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, CellCentre(row, 4));
      QTest::mouseClick(window->frmSizes->btnApply, Qt::LeftButton);
    });
  }

  CompareRow Measured(const std::string& label) {
    const std::vector<CompareRow> rows = CompareEncodings(
        window->Document.WorkingImage, window->Preferences, window->TargetSettings);
    for (const CompareRow& row : rows) {
      if (row.label == label)
        return row;
    }
    ADD_FAILURE() << label;
    return {};
  }

  std::string DataSize() { return window->Label("lblOutputDataSize")->text().toStdString(); }
};

TEST_F(SizesTest, TheWindowShowsTheCompareTableOfThePictureAsShown) {
  const std::vector<CompareRow> rows =
      CompareEncodings(window->Document.WorkingImage, window->Preferences, window->TargetSettings);
  OpenSizes([&] {
    TFSizes& sizes = *window->frmSizes;
    EXPECT_EQ(sizes.windowTitle(), "Sizes");
    EXPECT_EQ(sizes.lblPicture->text(),
              "photo.bmp as it is shown, 30 x 20 pixels: every encoding, smallest first");
    ASSERT_EQ(Grid()->rowCount(), static_cast<int>(rows.size()));
    ASSERT_EQ(Grid()->columnCount(), 6);
    QStringList headers;
    for (int c = 0; c < 6; ++c)
      headers << Grid()->horizontalHeaderItem(c)->text();
    EXPECT_EQ(headers, QStringList({"bytes", "data", "table", "PSNR", "encoding", "options"}));
    for (int r = 0; r < Grid()->rowCount(); ++r) {
      const auto cells = CompareCells(rows[static_cast<std::size_t>(r)]);
      for (int c = 0; c < 6; ++c)
        EXPECT_EQ(Grid()->item(r, c)->text().toStdString(), cells[static_cast<std::size_t>(c)]);
    }
    EXPECT_EQ(Grid()->currentRow(), 0);
    EXPECT_TRUE(sizes.btnApply->isEnabled());
    QTest::mouseClick(sizes.btnClose, Qt::LeftButton);
  });
  EXPECT_EQ(window->frmSizes->Chosen(), nullptr);
  // Closed without a choice: nothing changed.
  EXPECT_EQ(window->TargetSettings.target, TargetKind::Classic);
  EXPECT_EQ(window->Document.ImageMode, ImageMode::Color);
}

TEST_F(SizesTest, APaletteRowReducesAndConvertMakesItsBytes) {
  const CompareRow row = Measured("palette of 16 colors, compressed");
  Choose(row.label);
  EXPECT_EQ(window->Document.ImageMode, ImageMode::Palette);
  EXPECT_LE(window->Document.PaletteColorCount, 16);
  EXPECT_TRUE(window->Preferences.Is(Option::Palette1To8Pixel));
  EXPECT_TRUE(window->Preferences.Is(Option::Compression));
  EXPECT_EQ(window->Label("lblCompression")->text(), "Compression: On");
  Press(Qt::Key_F5);
  ASSERT_FALSE(window->mmoDataOutput->IsEmpty());
  EXPECT_EQ(DataSize(), "Output data size: " + std::to_string(row.dataBytes) + " bytes");
}

TEST_F(SizesTest, FourColorsStayFourThroughConvert) {
  // The count items offer 256 to 8 colors: Convert repeats the window's reduction, not theirs.
  const CompareRow row = Measured("palette of 4 colors");
  Choose(row.label);
  ASSERT_EQ(window->Document.PaletteColorCount, 4);
  Press(Qt::Key_F5);
  EXPECT_EQ(window->Document.PaletteColorCount, 4);
  EXPECT_EQ(DataSize(), "Output data size: " + std::to_string(row.dataBytes) + " bytes");
  // Resample Image with its count takes over again.
  ClickButton("mnuResampleImage2");
  Press(Qt::Key_F5);
  EXPECT_GT(window->Document.PaletteColorCount, 4);
}

TEST_F(SizesTest, ADoubleClickOnATargetRowChoosesTheTarget) {
  const CompareRow row = Measured("lvgl9 --cf RGB565A8");
  OpenSizes([this, row] {
    const int r = RowOf(row.label);
    ASSERT_GE(r, 0);
    const QPoint at = CellCentre(r, 0);
    QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(Grid()->viewport(), Qt::LeftButton, {}, at);
  });
  EXPECT_EQ(window->TargetSettings.target, TargetKind::Lvgl9);
  EXPECT_EQ(window->TargetSettings.colorFormat, LvglFormat::RGB565A8);
  EXPECT_EQ(window->cmbMainTarget->currentText(), "lvgl9");
  Press(Qt::Key_F5);
  EXPECT_EQ(DataSize(), "Output data size: " + std::to_string(row.TotalBytes()) + " bytes");
}

TEST_F(SizesTest, EnterChoosesTheSelectedRowAndAMonochromeRowSwitchesTheMode) {
  const CompareRow row = Measured("monochrome, vertical orientation, compressed");
  // Another target first: the classic row takes the classic output back.
  window->TargetSettings.target = TargetKind::Gray8;
  OpenSizes([this, row] {
    const int r = RowOf(row.label);
    ASSERT_GE(r, 0);
    Grid()->setFocus();
    while (Grid()->currentRow() < r)
      QTest::keyClick(Grid(), Qt::Key_Down);
    QTest::keyClick(Grid(), Qt::Key_Return);
  });
  EXPECT_EQ(window->TargetSettings.target, TargetKind::Classic);
  EXPECT_EQ(window->Document.ImageMode, ImageMode::Monochrome);
  EXPECT_TRUE(window->Preferences.Is(Option::MonochromeVertical));
  EXPECT_TRUE(window->Preferences.Is(Option::Compression));
  Press(Qt::Key_F5);
  EXPECT_EQ(DataSize(), "Output data size: " + std::to_string(row.dataBytes) + " bytes");
}

TEST_F(SizesTest, ChoosingARowEmptiesAnOutputOfOtherSettings) {
  Press(Qt::Key_F5);
  ASSERT_FALSE(window->mmoDataOutput->IsEmpty());
  Choose("256 colors (3-3-2)");
  EXPECT_TRUE(window->mmoDataOutput->IsEmpty());
  EXPECT_TRUE(window->Preferences.Is(Option::Color256));
  EXPECT_EQ(window->Label("lblColorMode")->text(), "Color mode: 256 (3-3-2)");
}

}  // namespace
}  // namespace pixmora

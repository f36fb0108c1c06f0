#include "ui/UPalette.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>
#include <QTimer>
#include <fstream>

#include "image/RecordingDocumentView.h"
#include "platform/RecordingMessageBox.h"
#include "tests/image/TestImages.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/UShape.h"

namespace pixmora {
namespace {

class PaletteWindowTest : public ::testing::Test {
 protected:
  void ShowTable(std::vector<std::uint32_t> table) {
    window.ResetSwatches();  // as every load does before it reads the palette
    document.PaletteColorCount = static_cast<std::int32_t>(table.size());
    document.ColorTable = std::move(table);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  }

  void Point(int swatch) {
    TShape* shape = window.Shapes[swatch - 1];
    QTest::mouseMove(shape, shape->rect().center());
  }

  std::vector<std::uint32_t> Ramp(int count) {
    std::vector<std::uint32_t> table;
    for (int i = 0; i < count; ++i)
      table.push_back(0x010000u * i + 0x10);
    return table;
  }

  RecordingDocumentView view;
  RecordingMessageBox messages;
  ImageDocument document{view, messages};
  TFPalette window{document};
};

TEST_F(PaletteWindowTest, StartsAsAWhiteGridWithBlackBordersAndTheLabels) {
  EXPECT_EQ(window.windowTitle(), "Color Table");
  EXPECT_EQ(window.size(), QSize(280, 322));  // a row for the index and 5-6-5 value
  EXPECT_EQ(window.Shapes[0]->objectName(), "Shape1");
  EXPECT_EQ(window.Shapes[255]->objectName(), "Shape256");
  EXPECT_EQ(window.Shapes[17]->geometry(), QRect(27, 24, 17, 17));
  EXPECT_EQ(window.Shapes[100]->BrushColor(), QColor(Qt::white));
  EXPECT_EQ(window.Shapes[100]->PenColor(), QColor(Qt::black));
  EXPECT_EQ(window.lblNumber->text(), "Palette Colors:");
  EXPECT_EQ(window.lblColor->text(), "Color: 0x000000");
  EXPECT_EQ(window.lblColor->pos(), QPoint(179, 280));
}

TEST_F(PaletteWindowTest, SixteenColorsFillTheFirstRowAndTheRestStaysWhite) {
  std::vector<std::uint32_t> table = Ramp(16);
  table[0] = 0x0000FF;  // red
  table[1] = 0xFF0000;  // blue
  ShowTable(table);
  EXPECT_EQ(window.lblNumber->text(), "Palette Colors: 16");
  EXPECT_EQ(window.Shapes[0]->BrushColor(), QColor(255, 0, 0));
  EXPECT_EQ(window.Swatches()[15], table[15]);
  EXPECT_EQ(window.Shapes[16]->BrushColor(), QColor(Qt::white));

  Point(1);
  EXPECT_EQ(window.lblColor->text(), "Color: 0xFF0000");
  Point(2);
  EXPECT_EQ(window.lblColor->text(), "Color: 0x0000FF");
  Point(17);
  EXPECT_EQ(window.lblColor->text(), "Color: 0xFFFFFF");
  EXPECT_EQ(window.Shapes[16]->PenColor(), QColor(0xEC, 0xEC, 0xEC));
  EXPECT_EQ(window.Shapes[1]->PenColor(), QColor(Qt::black));

  // Over the window background the borders go black and the color text stays.
  QTest::mouseMove(&window, QPoint(3, 3));
  EXPECT_EQ(window.Shapes[16]->PenColor(), QColor(Qt::black));
  EXPECT_EQ(window.lblColor->text(), "Color: 0xFFFFFF");
}

TEST_F(PaletteWindowTest, FourColorsAfterAFullTableColorOnlyFour) {
  ShowTable(Ramp(256));
  EXPECT_EQ(window.Shapes[255]->BrushColor(), ColorFromBgr(Ramp(256)[255]));
  window.hide();
  ShowTable(Ramp(4));
  EXPECT_EQ(window.lblNumber->text(), "Palette Colors: 4");
  EXPECT_EQ(window.Shapes[3]->BrushColor(), ColorFromBgr(Ramp(4)[3]));
  for (int i = 4; i < 256; ++i)
    ASSERT_EQ(window.Shapes[i]->BrushColor(), QColor(Qt::white)) << i;
}

TEST_F(MainWindowTest, ColorTableCommandShowsTheDocumentsPalette) {
  TFMain& w = Start();
  const std::string path = (folder / "two.bmp").string();
  const testing::Bytes bmp = testing::MakeIndexedBmp(1, 2, 1, {0x00FF00, 0xFF0000}, {0, 1});
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bmp.data()), static_cast<std::streamsize>(bmp.size()));
  Open(path);
  QString count;
  WhenShown(w.frmPalette, [&] {
    count = w.frmPalette->lblNumber->text();
    w.frmPalette->reject();
  });
  ChooseMenuItem("mnuView", {"mnuColorTable"});
  EXPECT_EQ(count, "Palette Colors: 2");
  EXPECT_EQ(w.frmPalette->Swatches()[1], 0x0000FFu);  // red, as red + 256 green + 65536 blue
}

}  // namespace
}  // namespace pixmora

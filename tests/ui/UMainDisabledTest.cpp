// What cannot be used looks so: disabled labels and the Palette entry of the mode drop-down.
#include <QComboBox>
#include <QLabel>
#include <QStandardItemModel>
#include <QToolButton>

#include "tests/ui/MainWindowFixture.h"

namespace pixmora {
namespace {

using DisabledTest = MainWindowTest;

// The darkest gray level drawn by the widget: its text, on the light panel background.
int DarkestGray(QWidget* widget) {
  const QImage image = widget->grab().toImage();
  int darkest = 255;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x)
      darkest = std::min(darkest, qGray(image.pixel(x, y)));
  }
  return darkest;
}

bool EntryEnabled(QComboBox* combo, int row) {
  return qobject_cast<QStandardItemModel*>(combo->model())->item(row)->isEnabled();
}

TEST_F(DisabledTest, DisabledLabelsAreDrawnInTheDisabledTextColor) {
  TFMain& w = Start();
  for (const char* name : {"lblName", "lblColors", "lblConvertMode", "lblOutputDataSize"}) {
    QLabel* label = w.Label(name);
    ASSERT_FALSE(label->isEnabled()) << name;
    EXPECT_NE(label->palette().color(QPalette::Disabled, QPalette::WindowText),
              label->palette().color(QPalette::Active, QPalette::WindowText))
        << name;
  }
  const int disabled = DarkestGray(w.Label("lblName"));
  Open(WriteImage("logo.bmp", 4, 4));
  ASSERT_TRUE(w.Label("lblName")->isEnabled());
  const int enabled = DarkestGray(w.Label("lblName"));
  EXPECT_LT(enabled, 40);
  EXPECT_GT(disabled, enabled + 60);
}

TEST_F(DisabledTest, ThePaletteEntryCanBeChosenOnlyWhenThePaletteModeCan) {
  TFMain& w = Start();
  QComboBox* modes = w.mnuImageMode2;
  EXPECT_FALSE(EntryEnabled(modes, 2));
  Open(WriteImage("photo.bmp", 8, 8));
  ASSERT_FALSE(w.Command("mnuPaletteMode1")->isEnabled());
  EXPECT_FALSE(EntryEnabled(modes, 2));
  ClickEntry(modes, 2);
  EXPECT_EQ(modes->currentText(), "Color");
  EXPECT_EQ(w.Document.ImageMode, ImageMode::Color);

  ClickEntry(modes, 1);
  EXPECT_EQ(modes->currentText(), "Monochrome");
  EXPECT_TRUE(w.Command("mnuMonochromeMode1")->isChecked());

  QTest::mouseClick(w.findChild<QToolButton*>("mnuResampleImage2"), Qt::LeftButton, {},
                    QPoint(4, 4));
  ASSERT_TRUE(w.Command("mnuPaletteMode1")->isEnabled());
  EXPECT_TRUE(EntryEnabled(modes, 2));
  ClickEntry(modes, 2);
  EXPECT_EQ(modes->currentText(), "Palette");
  EXPECT_EQ(w.Document.ImageMode, ImageMode::Palette);
  EXPECT_EQ(w.Label("lblConvertMode")->text(), "Convert mode: Palette");
}

}  // namespace
}  // namespace pixmora

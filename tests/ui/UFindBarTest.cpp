// Selecting and finding in the output window with the mouse and the keys, on a text of the
// size a 4K picture in 65536 colors gives.
#include "ui/UFindBar.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QVBoxLayout>

#include "ui/TMemo.h"

namespace pixmora {
namespace {

#ifdef __SANITIZE_ADDRESS__
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

// Lines of sixteen values as the C array writes them, about 100 MB, with one line near the end
// that differs.
std::string HundredMegabytes() {
  const std::string line =
      "0x12, 0x34, 0x56, 0x78, 0x12, 0x34, 0x56, 0x78, 0x12, 0x34, 0x56, "
      "0x78, 0x12, 0x34, 0x56, 0x78,\r\n";
  const std::size_t lines = 100'000'000 / line.size();
  std::string text;
  text.reserve(lines * line.size());
  for (std::size_t i = 0; i < lines; ++i)
    text += i == lines - 10 ? "0xAB, 0xCD, 0x00,\r\n" : line;
  return text;
}

class FindBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto* column = new QVBoxLayout(&panel);
    memo = new TMemo(&panel);
    bar = new TFindBar(*memo, &panel);
    column->addWidget(memo);
    column->addWidget(bar);
    panel.resize(600, 300);
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
  }

  QPoint Cell(std::size_t line, std::size_t column) {
    const QFontMetrics metrics(memo->font());
    const int row = static_cast<int>(line - memo->TopLine());
    return QPoint(2 + static_cast<int>(column) * metrics.horizontalAdvance('0') + 1,
                  2 + row * metrics.lineSpacing() + metrics.lineSpacing() / 2);
  }

  QWidget panel;
  TMemo* memo = nullptr;
  TFindBar* bar = nullptr;
};

TEST_F(FindBarTest, MouseAndShiftKeysSelectAnyPart) {
  memo->SetText("0x12, 0x34,\r\n0x56, 0x78,\r\n0x9A,\r\n");
  QWidget* view = memo->viewport();
  QTest::mousePress(view, Qt::LeftButton, {}, Cell(0, 6));
  QTest::mouseMove(view, Cell(1, 4));
  QTest::mouseRelease(view, Qt::LeftButton, {}, Cell(1, 4));
  EXPECT_EQ(memo->SelectedText(), "0x34,\r\n0x56");
  QTest::keyClick(memo, Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(memo->SelectedText(), "0x34,\r\n0x56, 0x78,\r\n0x9A");
  QTest::keyClick(memo, Qt::Key_End, Qt::ShiftModifier);
  EXPECT_EQ(memo->SelectedText(), "0x34,\r\n0x56, 0x78,\r\n0x9A,");
  QTest::keyClick(memo, Qt::Key_Home, Qt::ShiftModifier | Qt::ControlModifier);
  EXPECT_EQ(memo->SelectedText(), "0x12, ");
  QTest::mouseDClick(view, Qt::LeftButton, {}, Cell(1, 8));
  EXPECT_EQ(memo->SelectedText(), "0x78");
  // A click puts the caret down and drops the selection.
  QTest::mouseClick(view, Qt::LeftButton, {}, Cell(2, 1));
  EXPECT_EQ(memo->SelLength(), 0u);
}

TEST_F(FindBarTest, FindAndGoToLineStayInstantOnAHundredMegabytes) {
  memo->SetText(HundredMegabytes());
  const std::size_t lines = memo->LineCount();
  ASSERT_GT(memo->Text().size(), 99'000'000u);
  QElapsedTimer clock;
  clock.start();
  bar->StartFind();
  QTest::keyClicks(bar->edtFind, "0xab, 0xcd");
  QTest::keyClick(bar->edtFind, Qt::Key_Return);
  EXPECT_EQ(memo->SelectedText(), "0xAB, 0xCD");
  const std::size_t found = memo->LineOf(memo->SelStart());
  EXPECT_EQ(found, lines - 11);
  EXPECT_EQ(bar->lblResult->text(), QString("Line %1").arg(found + 1));
  // The found text is scrolled into view and painted selected.
  EXPECT_LE(memo->TopLine(), found);
  EXPECT_GT(memo->TopLine() + static_cast<std::size_t>(memo->verticalScrollBar()->pageStep()),
            found);
  memo->viewport()->repaint();
  // Again: the only occurrence, found once more after wrapping around.
  QTest::keyClick(bar->edtFind, Qt::Key_Return);
  EXPECT_EQ(memo->LineOf(memo->SelStart()), found);
  bar->FindNext(false);
  EXPECT_EQ(memo->LineOf(memo->SelStart()), found);
  bar->edtFind->setText("0xEE");
  bar->FindNext(true);
  EXPECT_EQ(bar->lblResult->text(), "Not found");

  bar->StartGoToLine();
  QTest::keyClicks(bar->spnLine, "500000");
  QTest::keyClick(bar->spnLine, Qt::Key_Return);
  EXPECT_EQ(memo->LineOf(memo->Caret()), 499'999u);
  EXPECT_LE(memo->TopLine(), 499'999u);
  QTest::keyClick(memo, Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(memo->SelectedText().size(), memo->Line(499'999).size() + 2);
  // Every step above together, 100 MB searched four times, in well under a second each; a
  // sanitizer build checks every byte the search reads and gets more time.
  EXPECT_LT(clock.elapsed(), kSanitized ? 30000 : 3000);

  QTest::keyClick(bar, Qt::Key_Escape);
  EXPECT_FALSE(bar->isVisible());
}

}  // namespace
}  // namespace pixmora

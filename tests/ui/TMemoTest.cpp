#include "ui/TMemo.h"

#include "conversion/LineList.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

namespace pixmora {
namespace {

std::string NumberedLines(int count) {
  std::string text;
  for (int i = 0; i < count; ++i)
    text += "line " + std::to_string(i) + "\r\n";
  return text;
}

TEST(TMemoTest, IndexesCrLfLinesAndTheLongestOne) {
  TMemo memo;
  memo.SetText("ab\r\ncdef\r\n\r\nxyz");
  ASSERT_EQ(memo.LineCount(), 4u);
  EXPECT_EQ(memo.Line(0), "ab");
  EXPECT_EQ(memo.Line(1), "cdef");
  EXPECT_EQ(memo.Line(2), "");
  EXPECT_EQ(memo.Line(3), "xyz");
  EXPECT_EQ(memo.LongestLine(), 4u);
  memo.Clear();
  EXPECT_TRUE(memo.IsEmpty());
  EXPECT_EQ(memo.LineCount(), 1u);
  EXPECT_EQ(memo.LongestLine(), 0u);
}

// Showing a head put in front of the text shown must index as the whole text shown at once.
void ExpectSameLines(const std::string& head, const std::string& text) {
  const std::string buffer = head + text;
  TMemo grown;
  grown.ShowText(std::string_view(buffer).substr(head.size()));
  grown.ShowText(buffer);
  TMemo whole;
  whole.SetText(buffer);
  EXPECT_EQ(grown.Text(), whole.Text());
  EXPECT_EQ(grown.Text().data(), buffer.data());  // shown in place, not copied
  ASSERT_EQ(grown.LineCount(), whole.LineCount()) << head << "|" << text;
  for (std::size_t i = 0; i < whole.LineCount(); ++i) {
    EXPECT_EQ(grown.Line(i), whole.Line(i)) << i;
  }
  EXPECT_EQ(grown.LongestLine(), whole.LongestLine()) << head << "|" << text;
}

TEST(TMemoTest, AHeadInFrontKeepsTheLinesOfTheTextShown) {
  ExpectSameLines("/* banner */\r\n\r\n", "a\r\nbb\r\nccc\r\n");
  ExpectSameLines("no break ", "a\r\nbb\r\nccc");
  ExpectSameLines("two\r\nlines", "single");
  ExpectSameLines("", "x\r\ny");
  ExpectSameLines("long long long long\r\n", "");
  ExpectSameLines("joined to the first ", "longest line of all\r\nb");
}

// Lines the owner indexed (a line list behind a lead) must show as the text indexed whole.
void ExpectKnownLinesAsScanned(const std::string& banner, const std::string& table,
                               const std::string& lines) {
  LineList list;
  list.ReserveLead(banner.size() + table.size());
  list.AddText(lines);
  list.SetLead(banner + table);
  const std::string_view text = list.TextWithLead();
  TMemo known;
  known.ShowText(text.substr(banner.size()), list.Starts(), banner.size());
  TMemo scanned;
  scanned.SetText(std::string(text.substr(banner.size())));
  EXPECT_EQ(known.Text().data(), text.data() + banner.size());
  ASSERT_EQ(known.LineCount(), scanned.LineCount()) << table << "|" << lines;
  for (std::size_t i = 0; i < scanned.LineCount(); ++i)
    EXPECT_EQ(known.Line(i), scanned.Line(i)) << i;
  EXPECT_EQ(known.LongestLine(), scanned.LongestLine()) << table << "|" << lines;
  known.ShowText(text);  // the banner put in front, as a conversion does
  scanned.SetText(std::string(text));
  ASSERT_EQ(known.LineCount(), scanned.LineCount());
  EXPECT_EQ(known.LongestLine(), scanned.LongestLine());
  for (std::size_t i = 0; i < scanned.LineCount(); ++i)
    EXPECT_EQ(known.Line(i), scanned.Line(i)) << i;
  for (std::size_t offset = 0; offset <= text.size(); ++offset)
    EXPECT_EQ(known.LineOf(offset), scanned.LineOf(offset)) << offset;
}

TEST(TMemoTest, LinesIndexedByTheOwnerShowAsIfScanned) {
  ExpectKnownLinesAsScanned("/* banner */\r\n\r\n", "", "a\r\nbb\r\nccc\r\n");
  ExpectKnownLinesAsScanned("// b\r\n", "table line one\r\n2\r\n\r\n\r\n", "x\r\ny\r\n");
  ExpectKnownLinesAsScanned("", "", "the longest line is the last one\r\n");
  ExpectKnownLinesAsScanned("b\r\n", "", "");
}

TEST(TMemoTest, KnownLinesThatDoNotFollowALineBreakAreScannedInstead) {
  const std::string text = "head without break and a line\r\nnext";
  const std::size_t wrong[] = {5, 32};
  TMemo memo;
  memo.ShowText(text, wrong, 0);
  ASSERT_EQ(memo.LineCount(), 2u);
  EXPECT_EQ(memo.Line(0), "head without break and a line");
  EXPECT_EQ(memo.Line(1), "next");
  const std::size_t pastTheEnd[] = {0, 99};
  memo.ShowText(text, pastTheEnd, 0);
  EXPECT_EQ(memo.LineCount(), 2u);
}

TEST(TMemoTest, AnotherTextShownIsIndexedAnew) {
  const std::string first = "one\r\ntwo";
  const std::string second = "a much longer single line";
  TMemo memo;
  memo.ShowText(first);
  memo.ShowText(second);
  EXPECT_EQ(memo.LineCount(), 1u);
  EXPECT_EQ(memo.LongestLine(), second.size());
  memo.SetText("owned\r\n");
  EXPECT_EQ(memo.Text(), "owned\r\n");
  EXPECT_EQ(memo.LineCount(), 2u);
}

TEST(TMemoTest, EveryChangeSignalsOnceAndDropsTheSelection) {
  TMemo memo;
  QSignalSpy changed(&memo, &TMemo::textChanged);
  memo.SetText("abc\r\n");
  memo.SelectAll();
  EXPECT_EQ(memo.SelLength(), 5u);
  EXPECT_EQ(memo.SelectedText(), "abc\r\n");
  const std::string buffer = ">abc\r\n";
  memo.ShowText(buffer);
  EXPECT_EQ(memo.Text(), ">abc\r\n");
  memo.Clear();
  EXPECT_EQ(changed.count(), 3);
  EXPECT_EQ(memo.SelLength(), 0u);
  EXPECT_EQ(memo.SelectedText(), "");
}

// What the columns of the output need, whatever fonts the machine has.
TEST(TMemoTest, UsesAMonospaceFontOfEightPoints) {
  TMemo memo;
  const QFontMetrics metrics = memo.fontMetrics();
  EXPECT_EQ(metrics.horizontalAdvance(QChar('i')), metrics.horizontalAdvance(QChar('W')));
  EXPECT_EQ(metrics.horizontalAdvance("0x1F, "), metrics.horizontalAdvance("Wi.,mx"));
  EXPECT_EQ(memo.font().pointSize(), 8);
}

TEST(TMemoTest, WheelAndKeysScrollTheLines) {
  TMemo memo;
  memo.resize(300, 200);
  memo.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&memo));
  memo.SetText(NumberedLines(1000));
  EXPECT_EQ(memo.TopLine(), 0u);
  const QPoint centre = memo.viewport()->rect().center();
  QWheelEvent down(centre, memo.viewport()->mapToGlobal(centre), QPoint(), QPoint(0, -120),
                   Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(memo.viewport(), &down);
  EXPECT_GT(memo.TopLine(), 0u);
  QTest::keyClick(&memo, Qt::Key_End);
  EXPECT_EQ(memo.TopLine(), static_cast<std::size_t>(memo.verticalScrollBar()->maximum()));
  EXPECT_GT(memo.TopLine(), 900u);
  QTest::keyClick(&memo, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(memo.SelectedText(), memo.Text());
}

TEST(TMemoTest, HorizontalRangeCoversTheLongestLine) {
  TMemo memo;
  memo.resize(200, 100);
  memo.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&memo));
  memo.SetText("short\r\n" + std::string(100000, 'x') + "\r\n");
  const int charWidth = memo.fontMetrics().horizontalAdvance(QChar('0'));
  EXPECT_GE(memo.horizontalScrollBar()->maximum(), 100000 * charWidth - memo.viewport()->width());
  memo.horizontalScrollBar()->setValue(memo.horizontalScrollBar()->maximum());
  memo.SelectAll();
  memo.viewport()->repaint();  // draws only the visible columns of the long line
  SUCCEED();
}

TEST(TMemoTest, ClearGivesBackTheLineIndexAndTheTextItOwned) {
  TMemo memo;
  memo.SetText(NumberedLines(100000));
  EXPECT_GT(memo.HeldBytes(), 100000 * (sizeof(std::size_t) + 8));
  memo.Clear();
  EXPECT_TRUE(memo.IsEmpty());
  EXPECT_EQ(memo.LineCount(), 1u);
  EXPECT_LT(memo.HeldBytes(), 64u);

  // A text shown in place is not the memo's to give back, its index is.
  const std::string text = NumberedLines(100000);
  memo.ShowText(text);
  memo.Clear();
  EXPECT_LT(memo.HeldBytes(), 64u);
}

// The caret, the selection and a click count columns of one character width each; the glyphs
// stand in the same cells, however far along the line, whatever fraction the font's own advance
// has.
TEST(TMemoTest, GlyphsStandInTheColumnsOfTheCaretAndTheSelection) {
  TMemo memo;
  memo.resize(1200, 120);
  memo.show();
  const int cell = memo.fontMetrics().horizontalAdvance(QChar('0'));
  memo.SetText(std::string(120, '|') + "\r\n");
  const QImage shown = memo.viewport()->grab().toImage();
  const QRgb background = shown.pixel(shown.width() - 1, shown.height() - 1);
  int left = shown.width();
  int right = -1;
  for (int y = 0; y < memo.fontMetrics().lineSpacing(); ++y) {
    for (int x = 0; x < shown.width(); ++x) {
      if (shown.pixel(x, y) != background) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
    }
  }
  ASSERT_GE(right, 0);
  // The first and the last bar are 119 columns apart: the ink of a bar is a pixel or two wide.
  EXPECT_NEAR(right - left, 119 * cell, 2);
}

}  // namespace
}  // namespace pixmora

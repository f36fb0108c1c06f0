#include "ui/TMemo.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
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

// The index after a prepend must equal the index of the whole text set at once.
void ExpectSameLines(const std::string& prefix, const std::string& text) {
  TMemo prepended;
  prepended.SetText(text);
  prepended.PrependText(prefix);
  TMemo whole;
  whole.SetText(prefix + text);
  EXPECT_EQ(prepended.Text(), whole.Text());
  ASSERT_EQ(prepended.LineCount(), whole.LineCount()) << prefix << "|" << text;
  for (std::size_t i = 0; i < whole.LineCount(); ++i) {
    EXPECT_EQ(prepended.Line(i), whole.Line(i)) << i;
  }
  EXPECT_EQ(prepended.LongestLine(), whole.LongestLine()) << prefix << "|" << text;
}

TEST(TMemoTest, PrependingKeepsTheLinesOfTheTextItHolds) {
  ExpectSameLines("/* banner */\r\n\r\n", "a\r\nbb\r\nccc\r\n");
  ExpectSameLines("no break ", "a\r\nbb\r\nccc");
  ExpectSameLines("two\r\nlines", "single");
  ExpectSameLines("", "x\r\ny");
  ExpectSameLines("long long long long\r\n", "");
  ExpectSameLines("joined to the first ", "longest line of all\r\nb");
}

TEST(TMemoTest, AnEmptiedTextLendsItsBufferToTheNext) {
  TMemo memo;
  memo.SetText(std::string(1000, 'x'));
  EXPECT_TRUE(memo.TakeBuffer().empty());  // not while text is shown
  memo.Clear();
  const std::string buffer = memo.TakeBuffer();
  EXPECT_TRUE(buffer.empty());
  EXPECT_GE(buffer.capacity(), 1000u);
  EXPECT_TRUE(memo.IsEmpty());
}

TEST(TMemoTest, EveryChangeSignalsOnceAndDropsTheSelection) {
  TMemo memo;
  QSignalSpy changed(&memo, &TMemo::textChanged);
  memo.SetText("abc\r\n");
  memo.SelectAll();
  EXPECT_EQ(memo.SelLength(), 5u);
  EXPECT_EQ(memo.SelectedText(), "abc\r\n");
  memo.PrependText(">");
  EXPECT_EQ(memo.Text(), ">abc\r\n");
  memo.Clear();
  EXPECT_EQ(changed.count(), 3);
  EXPECT_EQ(memo.SelLength(), 0u);
  EXPECT_EQ(memo.SelectedText(), "");
}

TEST(TMemoTest, UsesAMonospaceFontOfEightPoints) {
  TMemo memo;
  EXPECT_TRUE(QFontInfo(memo.font()).fixedPitch());
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

}  // namespace
}  // namespace pixmora

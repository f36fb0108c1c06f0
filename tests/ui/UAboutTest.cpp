#include "ui/UAbout.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <cstdlib>
#include <vector>

#include "platform/RecordingShell.h"
#include "ui/UShape.h"

namespace pixmora {
namespace {

class AboutBoxTest : public testing::Test {
 protected:
  void SetUp() override {
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
  }

  QLabel* Label(const char* name) { return box.findChild<QLabel*>(name); }

  RecordingShell shell;
  TFAbout box{shell};
};

// The box has the window system's frame and a row with its Close button under the texts.
TEST_F(AboutBoxTest, ShowsTheTextsInAFramedTopmostBox) {
  EXPECT_EQ(box.size(), QSize(316, 268));
  EXPECT_FALSE(box.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(box.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(box.Shape1->geometry(), box.rect());
  EXPECT_FALSE(box.Shape1->BrushColor());
  EXPECT_EQ(Label("lblDescription1")->text(), "Image converter");
  EXPECT_EQ(Label("lblDescription1")->y(), 16);
  EXPECT_EQ(Label("lblDescription1")->font().pointSize(), 12);
  EXPECT_EQ(Label("lblDescription4")->text(), "monochrome");
  EXPECT_FALSE(Label("lblDescription4")->font().bold());
  EXPECT_EQ(Label("lblVersion")->text(), "Version: 4.0");
  EXPECT_TRUE(Label("lblDate")->text().startsWith("Release date: "));
  EXPECT_EQ(Label("lblSuggestions")->text(), "Send comments, suggestions, bugs to:");
  EXPECT_EQ(Label("lblAdvertisment")->text(), "Find cool displays at:");
  EXPECT_EQ(Label("lblAddress")->y(), 208);
}

// Each row of words sits in the middle of the box, the words a space apart and never over each
// other, whatever the font; the left column shares its edge; a line goes round the box.
TEST_F(AboutBoxTest, TheTextsAreAlignedInsideAFrame) {
  const std::vector<std::vector<const char*>> rows = {
      {"lblDescription1"},
      {"lblDescription6", "lblDescription2", "lblDescription3", "lblDescription4",
       "lblDescription5"},
      {"lblSuggestions"},
      {"lblMail"},
      {"lblAdvertisment", "lblAddress"}};
  for (const auto& row : rows) {
    const QRect first = Label(row.front())->geometry();
    const QRect last = Label(row.back())->geometry();
    EXPECT_LE(std::abs(first.left() - (box.width() - 1 - last.right())), 1) << row.front();
    for (std::size_t i = 1; i < row.size(); ++i) {
      QLabel* before = Label(row[i - 1]);
      const int gap = Label(row[i])->x() - before->geometry().right() - 1;
      EXPECT_EQ(gap, before->fontMetrics().horizontalAdvance(' ')) << row[i];
      EXPECT_EQ(Label(row[i])->y(), before->y()) << row[i];
    }
  }
  for (const char* name : {"lblVersion", "lblDate", "lblAuthor"})
    EXPECT_EQ(Label(name)->x(), 16) << name;
  auto* close = box.findChild<QPushButton*>("btnClose");
  EXPECT_TRUE(box.rect().contains(close->geometry()));
  EXPECT_GT(close->y(), Label("lblAddress")->geometry().bottom());
  const QImage shown = box.grab().toImage();
  for (const QPoint at : {QPoint(0, 100), QPoint(box.width() - 1, 100), QPoint(150, 0),
                          QPoint(150, box.height() - 1)}) {
    EXPECT_EQ(shown.pixelColor(at), box.Shape1->PenColor()) << at.x() << "," << at.y();
  }
}

TEST_F(AboutBoxTest, TheCloseButtonCloses) {
  QTest::mouseClick(box.findChild<QPushButton*>("btnClose"), Qt::LeftButton);
  EXPECT_FALSE(box.isVisible());
}

TEST_F(AboutBoxTest, AClickOnALabelOrOnTheFrameCloses) {
  QTest::mouseClick(Label("lblVersion"), Qt::LeftButton);
  EXPECT_FALSE(box.isVisible());
  box.show();
  QTest::mousePress(box.Shape1, Qt::LeftButton, {}, QPoint(2, 2));
  EXPECT_FALSE(box.isVisible());
  EXPECT_TRUE(shell.calls.empty());
}

TEST_F(AboutBoxTest, LinksUnderlineUnderThePointerAndOpenBeforeClosing) {
  QEvent enter(QEvent::Enter);
  QApplication::sendEvent(box.lblMail, &enter);
  EXPECT_TRUE(box.lblMail->font().underline());
  EXPECT_EQ(box.lblMail->cursor().shape(), Qt::PointingHandCursor);
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(box.lblMail, &leave);
  EXPECT_FALSE(box.lblMail->font().underline());
  EXPECT_EQ(box.lblMail->cursor().shape(), Qt::ArrowCursor);

  QTest::mouseClick(box.lblMail, Qt::LeftButton);
  EXPECT_FALSE(box.isVisible());
  box.show();
  QTest::mouseClick(box.lblAddress, Qt::LeftButton);
  EXPECT_FALSE(box.isVisible());
  EXPECT_EQ(shell.calls,
            (std::vector<std::string>{"OpenLink mailto:" + box.lblMail->text().toStdString(),
                                      "OpenLink " + box.lblAddress->text().toStdString()}));
}

}  // namespace
}  // namespace pixmora

#include "ui/UAbout.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

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
  EXPECT_EQ(Label("lblDescription1")->pos(), QPoint(92, 16));
  EXPECT_EQ(Label("lblDescription1")->font().pointSize(), 12);
  EXPECT_EQ(Label("lblDescription4")->text(), "monochrome");
  EXPECT_FALSE(Label("lblDescription4")->font().bold());
  EXPECT_EQ(Label("lblVersion")->text(), "Version: 4.0");
  EXPECT_TRUE(Label("lblDate")->text().startsWith("Release date: "));
  EXPECT_EQ(Label("lblSuggestions")->text(), "Send comments, suggestions, bugs to:");
  EXPECT_EQ(Label("lblAdvertisment")->text(), "Find cool displays at:");
  EXPECT_EQ(Label("lblAddress")->pos(), QPoint(170, 208));
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

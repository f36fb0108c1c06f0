#include "image/UMonochrome.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>

#include "image/RecordingDocumentView.h"
#include "platform/RecordingMessageBox.h"

namespace pixmora {
namespace {

using Pixels = std::vector<std::uint32_t>;
constexpr std::uint32_t kWhite = 0x00FFFFFF;
constexpr std::uint32_t kBlack = 0x00000000;

class MonochromeWindowTest : public testing::Test {
 protected:
  // v = 8388607 (red and green 255, blue 127), v = 8388608 (blue 128) and a dark pixel.
  void SetUp() override {
    document.WorkingImage.SetSize(3, 1);
    document.WorkingImage.SetPixel(0, 0, MakePixel(255, 255, 127));
    document.WorkingImage.SetPixel(1, 0, MakePixel(0, 0, 128));
    document.WorkingImage.SetPixel(2, 0, MakePixel(1, 0, 0));
  }

  void Open() {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  }

  void Press(Qt::Key key) { QTest::keyClick(window.scbThreshold, key); }

  RecordingDocumentView view;
  RecordingMessageBox messages;
  ImageDocument document{view, messages};
  TFMonochrome window{document};
};

TEST_F(MonochromeWindowTest, PreviewsEveryMoveAndOkKeepsTheLast) {
  EXPECT_EQ(window.scbThreshold->value(), kDefaultThresholdPosition);
  EXPECT_EQ(window.scbThreshold->pageStep(), 4095);
  Open();
  EXPECT_EQ(document.WorkingImage.Pixels(), (Pixels{kBlack, kWhite, kBlack}));
  EXPECT_EQ(document.ImageMode, ImageMode::Monochrome);
  Press(Qt::Key_Home);
  EXPECT_EQ(document.WorkingImage.Pixels(), (Pixels{kWhite, kWhite, kWhite}));
  Press(Qt::Key_End);
  EXPECT_EQ(view.steps.back(), "ShowWorkingImage 3x1");
  QTest::mouseClick(window.btnOK, Qt::LeftButton);
  EXPECT_EQ(window.scbThreshold->value(), kThresholdMaximum);
  EXPECT_EQ(document.WorkingImage.Pixels(), (Pixels{kBlack, kBlack, kBlack}));
}

// Pixel values 0x7FFFFF, 0x800000 and 0x000001: a typed position between them splits them.
TEST_F(MonochromeWindowTest, TheTypedPositionPreviewsAndFollowsTheScrollBar) {
  Open();
  EXPECT_EQ(window.spnThreshold->value(), kDefaultThresholdPosition);
  window.spnThreshold->setFocus();
  window.spnThreshold->selectAll();
  QTest::keyClicks(window.spnThreshold, "1");
  EXPECT_EQ(window.scbThreshold->value(), 1);
  EXPECT_EQ(document.WorkingImage.Pixels(), (Pixels{kWhite, kWhite, kBlack}));
  Press(Qt::Key_End);
  EXPECT_EQ(window.spnThreshold->value(), kThresholdMaximum);
  QTest::mouseClick(window.btnOK, Qt::LeftButton);
}

TEST_F(MonochromeWindowTest, CancelGoesBackToTheOpeningPositionAndImage) {
  Open();
  Press(Qt::Key_Home);
  QTest::mouseClick(window.btnCancel, Qt::LeftButton);
  EXPECT_EQ(window.scbThreshold->value(), kDefaultThresholdPosition);
  EXPECT_EQ(document.WorkingImage.Pixels(), (Pixels{kBlack, kWhite, kBlack}));

  window.scbThreshold->setValue(0);  // moved while hidden: nothing is previewed
  EXPECT_EQ(document.WorkingImage.Pixels(), (Pixels{kBlack, kWhite, kBlack}));
  // The next opening thresholds the same source again; the close box counts as Cancel.
  Open();
  Press(Qt::Key_End);
  window.close();
  EXPECT_EQ(window.scbThreshold->value(), 0);
  EXPECT_EQ(document.WorkingImage.Pixels(), (Pixels{kWhite, kWhite, kWhite}));
}

}  // namespace
}  // namespace pixmora

#include "image/UResize.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "image/ImageDocument.h"
#include "image/RecordingDocumentView.h"
#include "platform/RecordingMessageBox.h"

namespace pixmora {
namespace {

constexpr std::uint32_t kBlack = 0xFF000000;
constexpr std::uint32_t kWhite = 0xFFFFFFFF;

class ResizeWindowTest : public testing::Test {
 protected:
  // Opens the window over a working image whose left half is black and right half white.
  void OpenWith(int width, int height) {
    document.WorkingImage.SetSize(width, height);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x)
        document.WorkingImage.SetPixel(x, y, x < width / 2 ? kBlack : kWhite);
    }
    document.ThresholdSourceStale = false;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }

  // Types into a field as the user would: it takes the focus, its text is replaced.
  void Type(QSpinBox* field, const char* text) {
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
  }

  void Press(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

  RecordingDocumentView view;
  RecordingMessageBox messages;
  ImageDocument document{view, messages};
  TFResize window{document};
};

TEST_F(ResizeWindowTest, TypingOneSideKeepsTheOpeningAspectRatio) {
  OpenWith(640, 480);
  EXPECT_EQ(window.lblWidth->text(), "Width: 640");
  EXPECT_EQ(window.lblHeight->text(), "Height: 480");
  Type(window.spnWidth, "101");
  EXPECT_EQ(window.spnHeight->value(), 76);  // 75.75
  EXPECT_EQ(window.spnWidth->value(), 101);
  Type(window.spnHeight, "75");
  EXPECT_EQ(window.spnWidth->value(), 100);
  window.chkAspectRatio->setChecked(false);
  Type(window.spnWidth, "33");
  EXPECT_EQ(window.spnHeight->value(), 75);
}

TEST_F(ResizeWindowTest, OkResamplesWithTheChosenFilter) {
  OpenWith(10, 10);
  window.chkOptimizeImage->setChecked(false);
  Type(window.spnWidth, "20");
  Press(window.btnOK);
  EXPECT_EQ(window.result(), QDialog::Accepted);
  ASSERT_EQ(document.WorkingImage.Width(), 20);
  ASSERT_EQ(document.WorkingImage.Height(), 20);
  // The box filter repeats each pixel, the edge stays sharp; the linear one makes a ramp.
  EXPECT_EQ(document.WorkingImage.Pixel(9, 19), kBlack);
  EXPECT_EQ(document.WorkingImage.Pixel(10, 0), kWhite);
  EXPECT_TRUE(document.ThresholdSourceStale);
  EXPECT_EQ(view.steps.back(), "ResetCropSelection 20x20");

  OpenWith(10, 10);
  window.chkOptimizeImage->setChecked(true);
  Type(window.spnHeight, "20");
  Press(window.btnOK);
  const std::uint8_t ramp = RedOf(document.WorkingImage.Pixel(9, 0));
  EXPECT_TRUE(ramp > 0 && ramp < 255) << int(ramp);
}

TEST_F(ResizeWindowTest, OkWithAZeroOrEmptySideClosesWithoutResampling) {
  OpenWith(10, 10);
  window.chkAspectRatio->setChecked(false);
  Type(window.spnWidth, "0");
  Press(window.btnOK);
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(window.result(), QDialog::Accepted);
  OpenWith(10, 10);
  window.spnHeight->clear();
  window.btnOK->click();  // the focus stays in the field, whose text is still empty
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(document.WorkingImage.Width(), 10);
  EXPECT_FALSE(document.ThresholdSourceStale);
}

TEST_F(ResizeWindowTest, CancelPutsTheOptionsOfTheOpeningBack) {
  window.chkOptimizeImage->setChecked(false);  // as the settings file may leave it
  OpenWith(10, 10);
  window.chkAspectRatio->setChecked(false);
  window.chkOptimizeImage->setChecked(true);
  Type(window.spnWidth, "30");
  window.close();  // the close box counts as Cancel
  EXPECT_EQ(window.result(), QDialog::Rejected);
  EXPECT_TRUE(window.chkAspectRatio->isChecked());
  EXPECT_FALSE(window.chkOptimizeImage->isChecked());
  EXPECT_EQ(document.WorkingImage.Width(), 10);
  EXPECT_FALSE(document.ImageChanged);
}

}  // namespace
}  // namespace pixmora

namespace pixmora {
namespace {

TEST(ResizeWindowCaptionsTest, HeightIsSpelledAndOptimizeImageIsExplained) {
  RecordingDocumentView view;
  RecordingMessageBox messages;
  ImageDocument document(view, messages);
  TFResize window(document);
  QStringList labels;
  for (const QLabel* label : window.findChildren<QLabel*>())
    labels << label->text();
  EXPECT_TRUE(labels.contains("Height (pixels)"));
  EXPECT_FALSE(window.chkOptimizeImage->toolTip().isEmpty());
}

}  // namespace
}  // namespace pixmora

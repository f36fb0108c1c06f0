// The crop gestures on the image view with the mouse, the selection's readout and Crop to.
#include <QLabel>
#include <QScrollBar>
#include <QSpinBox>

#include "image/TImgView32.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/UCropTo.h"

namespace pixmora {
namespace {

class CropTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    Start();
    Open(WriteImage("p.bmp", 40, 30));
    ChooseMenuItem("mnuEdit", {"mnuCropEnabled"});
    // 1.25 to the sixth: about 3.8 screen pixels per image pixel.
    for (int i = 0; i < 6; ++i)
      Press(Qt::CTRL | Qt::Key_Plus);
  }

  // Where an image position is on the view, at the zoom and scroll of the moment.
  QPoint Screen(double x, double y) {
    const double s = window->ZoomFactor;
    return QPointF(x * s - window->ImgView->horizontalScrollBar()->value(),
                   y * s - window->ImgView->verticalScrollBar()->value())
        .toPoint();
  }

  void Drag(QPoint from, QPoint to) {
    QWidget* view = window->ImgView->viewport();
    QTest::mouseMove(view, from);
    QTest::mousePress(view, Qt::LeftButton, {}, from);
    QTest::mouseMove(view, (from + to) / 2);
    QTest::mouseMove(view, to);
    QTest::mouseRelease(view, Qt::LeftButton, {}, to);
  }

  void DragImage(double x1, double y1, double x2, double y2) {
    Drag(Screen(x1, y1), Screen(x2, y2));
  }

  QRect Selection() { return window->ImgView->CropSelection(); }
};

TEST_F(CropTest, DraggingOnThePictureDrawsANewSelectionShownInTheStatusBar) {
  ASSERT_EQ(Selection(), QRect(0, 0, 40, 30));
  DragImage(5.25, 4.25, 20.25, 14.25);
  EXPECT_EQ(Selection(), QRect(5, 4, 15, 10));
  EXPECT_EQ(window->Label("lblCropSelection")->text(), "Selection: 5, 4, 15 x 10");
  EXPECT_TRUE(window->Label("lblCropSelection")->isVisible());
  // Outside the selection a drag draws again, also up and to the left.
  DragImage(30.25, 25.25, 25.25, 20.25);
  EXPECT_EQ(Selection(), QRect(25, 20, 5, 5));
  ClickButton("btnCropImage");
  EXPECT_EQ(window->Label("lblImageDimensions")->text(), "Dimensions: 5 x 5");
  ChooseMenuItem("mnuEdit", {"mnuCropEnabled"});
  EXPECT_FALSE(window->Label("lblCropSelection")->isVisible());
}

TEST_F(CropTest, EachOfTheEightHandlesResizesItsSides) {
  const QRect start(10, 10, 20, 10);  // right 30, bottom 20
  const struct {
    double x, y;
    QRect expected;
  } handles[] = {
      {10, 10, QRect(QPoint(12, 13), QPoint(29, 19))},
      {30, 10, QRect(QPoint(10, 13), QPoint(31, 19))},
      {10, 20, QRect(QPoint(12, 10), QPoint(29, 22))},
      {30, 20, QRect(QPoint(10, 10), QPoint(31, 22))},
      {10, 15, QRect(QPoint(12, 10), QPoint(29, 19))},
      {30, 15, QRect(QPoint(10, 10), QPoint(31, 19))},
      {20, 10, QRect(QPoint(10, 13), QPoint(29, 19))},
      {20, 20, QRect(QPoint(10, 10), QPoint(29, 22))},
  };
  for (const auto& handle : handles) {
    window->ImgView->SetCropSelection(start);
    const QPoint grab = Screen(handle.x, handle.y);
    Drag(grab, grab + Screen(2, 3) - Screen(0, 0));
    EXPECT_EQ(Selection(), handle.expected) << handle.x << "," << handle.y;
  }
}

TEST_F(CropTest, MovingAgainstEachEdgeShrinksTheSelectionThere) {
  const QRect start(10, 10, 20, 10);
  const struct {
    double dx, dy;
    QRect expected;
  } moves[] = {
      {4, 2, QRect(14, 12, 20, 10)}, {-14, 0, QRect(0, 10, 16, 10)}, {15, 0, QRect(25, 10, 15, 10)},
      {0, -13, QRect(10, 0, 20, 7)}, {0, 15, QRect(10, 25, 20, 5)},
  };
  for (const auto& move : moves) {
    window->ImgView->SetCropSelection(start);
    DragImage(20.5, 15.5, 20.5 + move.dx, 15.5 + move.dy);
    EXPECT_EQ(Selection(), move.expected) << move.dx << "," << move.dy;
  }
}

TEST_F(CropTest, CropToTakesLeftTopWidthAndHeight) {
  TFCropTo* dialog = window->frmCropTo;
  WhenShown(dialog, [dialog] {
    for (auto [field, text] : {std::pair{dialog->spnLeft, "4"},
                               {dialog->spnTop, "5"},
                               {dialog->spnWidth, "12"},
                               {dialog->spnHeight, "7"}}) {
      field->setFocus();
      field->selectAll();
      QTest::keyClicks(field, text);
    }
    QTest::keyClick(dialog, Qt::Key_Return);
  });
  const TBitmap32 before = window->Document.WorkingImage;
  ChooseMenuItem("mnuEdit", {"mnuCropTo"});
  EXPECT_EQ(window->Label("lblImageDimensions")->text(), "Dimensions: 12 x 7");
  EXPECT_EQ(window->Document.WorkingImage.Pixel(0, 0), before.Pixel(4, 5));
  EXPECT_TRUE(Enabled("mnuUndo"));
}

}  // namespace
}  // namespace pixmora

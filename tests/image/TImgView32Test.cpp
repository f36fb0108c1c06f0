#include "image/TImgView32.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <cmath>

#include "tests/image/DropFiles.h"

namespace pixmora {
namespace {

class TImgView32Test : public testing::Test {
 protected:
  void SetUp() override {
    view.resize(200, 200);
    TBitmap32 bitmap(2, 2);
    bitmap.SetPixel(0, 0, 0xFFFF0000);
    bitmap.SetPixel(1, 0, 0xFF00FF00);
    bitmap.SetPixel(0, 1, 0xFF0000FF);
    bitmap.SetPixel(1, 1, 0x00FFFFFF);  // alpha is not shown
    view.SetBitmap(bitmap);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  }

  QRgb At(int x, int y) { return view.viewport()->grab().toImage().pixel(x, y) & 0xFFFFFF; }

  TImgView32 view;
};

TEST_F(TImgView32Test, DrawsSquareBlocksAtTheTopLeftOnGrey) {
  view.SetScale(10.0f);
  EXPECT_EQ(At(0, 0), 0xFF0000u);
  EXPECT_EQ(At(9, 9), 0xFF0000u);
  EXPECT_EQ(At(10, 0), 0x00FF00u);
  EXPECT_EQ(At(5, 15), 0x0000FFu);
  EXPECT_EQ(At(19, 19), 0xFFFFFFu);
  EXPECT_EQ(At(25, 5), 0xA0A0A4u);
  EXPECT_EQ(At(100, 100), 0xA0A0A4u);
}

TEST_F(TImgView32Test, GridLinesAreGreyOnlyWhileShown) {
  view.SetScale(10.0f);
  view.SetPixelGrid(10.0f, false);
  EXPECT_EQ(At(10, 5), 0x00FF00u);
  view.SetPixelGrid(10.0f, true);
  EXPECT_EQ(At(10, 5), 0x7F7F7Fu);
  EXPECT_EQ(At(5, 10), 0x7F7F7Fu);
  EXPECT_EQ(At(5, 5), 0xFF0000u);
}

TEST_F(TImgView32Test, ScaleHasAFloorAndEveryPaintReportsItself) {
  QSignalSpy painted(&view, &TImgView32::GDIOverlay);
  view.SetScale(0.0f);
  EXPECT_FLOAT_EQ(view.Scale(), 0.001f);
  view.viewport()->repaint();
  EXPECT_GE(painted.count(), 1);
}

// Zooming step by step at one point keeps the image point under it to within the last step's
// rounding of the scroll bars, in and out, whatever the view's size; a scroll in between
// starts from where the bars are.
TEST_F(TImgView32Test, ZoomStepsInARowKeepThePointUnderTheAnchor) {
  view.SetBitmap(TBitmap32(1600, 1200));
  for (const QSize size : {QSize(517, 401), QSize(600, 333), QSize(499, 460)}) {
    view.resize(size);
    view.SetScale(1.0f);
    view.horizontalScrollBar()->setValue(400);
    view.verticalScrollBar()->setValue(300);
    const QPointF anchor(size.width() / 3 + 0.5, size.height() / 2 + 0.5);
    const QPointF start = view.ImagePointAt(anchor);
    float scale = 1.0f;
    for (int step = 0; step < 12; ++step) {
      scale = step < 8 ? scale * 1.25f : scale / 1.25f;
      view.SetScaleAt(scale, anchor);
      const QPointF now = view.ImagePointAt(anchor);
      EXPECT_LE(std::abs(now.x() - start.x()), 0.5 / scale + 1e-6) << size.width() << " " << step;
      EXPECT_LE(std::abs(now.y() - start.y()), 0.5 / scale + 1e-6) << size.width() << " " << step;
    }
    view.horizontalScrollBar()->setValue(view.horizontalScrollBar()->value() + 7);
    const QPointF scrolled = view.ImagePointAt(anchor);
    view.SetScaleAt(scale * 1.25f, anchor);
    EXPECT_LE(std::abs(view.ImagePointAt(anchor).x() - scrolled.x()), 0.5 / (scale * 1.25f) + 1e-6);
  }
}

// Moved far past the bottom-right corner, the selection is cut off there down to a pixel.
TEST_F(TImgView32Test, DraggingTheSelectionMovesItAndTheImageEdgesCutItOff) {
  TBitmap32 bitmap(20, 20);
  view.SetBitmap(bitmap);
  view.SetScale(5.0f);
  view.SetCropSelection(QRect(0, 0, 10, 10));
  view.SetCropSelectionVisible(true);
  QSignalSpy changed(&view, &TImgView32::CropSelectionChanged);
  QTest::mousePress(view.viewport(), Qt::LeftButton, {}, QPoint(25, 25));
  QTest::mouseMove(view.viewport(), QPoint(50, 40));
  QTest::mouseMove(view.viewport(), QPoint(150, 140));
  QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, QPoint(150, 140));
  EXPECT_EQ(view.CropSelection(), QRect(19, 19, 1, 1));
  EXPECT_GE(changed.count(), 1);
}

}  // namespace
}  // namespace pixmora

namespace pixmora {
namespace {

TEST_F(TImgView32Test, DroppedFilesArriveOnlyWhileTheDropTargetIsEnabled) {
  QSignalSpy dropped(&view, &TImgView32::FilesDropped);
  EXPECT_FALSE(view.DropEnabled());
  EXPECT_FALSE(DropFiles(view, {"/tmp/a.bmp"}));
  EXPECT_EQ(dropped.count(), 0);
  view.SetDropEnabled(true);
  EXPECT_TRUE(DropFiles(view, {"/tmp/b.png", "/tmp/a.bmp"}));
  ASSERT_EQ(dropped.count(), 1);
  EXPECT_EQ(dropped[0][0].toStringList(), QStringList({"/tmp/b.png", "/tmp/a.bmp"}));
  EXPECT_EQ(dropped[0][1].toPoint(), QPoint(5, 6));
  view.SetDropEnabled(false);
  DropFiles(view, {"/tmp/a.bmp"});
  EXPECT_EQ(dropped.count(), 1);
}

}  // namespace
}  // namespace pixmora

#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <QRect>
#include <optional>

#include "image/CropDrag.h"
#include "image/TBitmap32.h"

class QMenu;

namespace pixmora {

// The image view: the working image at the top-left corner, scaled by the zoom with square
// pixel blocks, on a medium grey background, with scroll bars, a size grip, the pixel grid
// overlay and the crop selection rectangle on top.
class TImgView32 : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit TImgView32(QWidget* parent = nullptr);

  // Takes a copy of the pixels for display; call again after every change of the image.
  void SetBitmap(const TBitmap32& bitmap);
  QSize BitmapSize() const { return image_.size(); }

  float Scale() const { return scale_; }
  // Values below 0.001 become 0.001. The image point at the view's middle, or at anchor (in
  // view pixels), stays where it is as far as the scroll range allows.
  void SetScale(float scale);
  void SetScaleAt(float scale, const QPointF& anchor);
  // The image point under a view position, in image pixels (fractions kept).
  QPointF ImagePointAt(const QPointF& view) const;

  // The pixel grid overlay: a new one per loaded image, its own scale and visibility.
  void ResetPixelGrid(float scale, bool visible);
  void SetPixelGrid(float scale, bool visible);
  bool PixelGridVisible() const { return gridVisible_; }
  float PixelGridScale() const { return gridScale_; }

  // The crop selection, in image pixels. The user draws a new one outside it, moves it from
  // inside and resizes it by its eight handles; every step passes ConstrainCropRect.
  QRect CropSelection() const { return crop_; }
  void SetCropSelection(const QRect& rect);
  bool CropSelectionVisible() const { return cropVisible_; }
  void SetCropSelectionVisible(bool visible);

  // The image pixel under a point of the viewport; nothing outside the image.
  std::optional<QPoint> PixelAt(const QPointF& viewportPoint) const;

  // The menu shown on a right click; not owned.
  void SetPopupMenu(QMenu* menu) { popup_ = menu; }

  // The drop target, disabled at first: when enabled, local files dropped on the view are
  // handed on by FilesDropped.
  void SetDropEnabled(bool enabled);
  bool DropEnabled() const { return viewport()->acceptDrops(); }

 signals:
  // After every repaint of the view (the main window writes the zoom text then).
  void GDIOverlay();
  // After the scale or the pixel grid changed.
  void Scaled();
  // Also when the program sets the selection or shows or hides it.
  void CropSelectionChanged(const QRect& rect);
  // Local file names in the order the drop lists them, and where they fell on the view.
  void FilesDropped(const QStringList& fileNames, const QPoint& at);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void UpdateScrollBars();
  QPointF Origin() const;
  QRectF ScreenRect(const QRect& imageRect) const;
  CropGrip HitTest(const QPointF& screen) const;
  void DrawPixelGrid(QPainter& painter);
  void DrawCropSelection(QPainter& painter);

  QImage image_;
  float scale_ = 1.0f;
  QPointF scrollExact_;         // the offset the last zoom worked out
  QPoint scrollShown_{-1, -1};  // the scroll bars' values it gave; off them, a scroll since
  float gridScale_ = 1.0f;
  bool gridVisible_ = false;
  QRect crop_;
  bool cropVisible_ = false;
  bool dragging_ = false;
  CropGrip grip_ = CropGrip::Draw;
  QPointF pressPoint_;  // in image pixels
  TCropRect cropAtPress_;
  QMenu* popup_ = nullptr;
};

}  // namespace pixmora

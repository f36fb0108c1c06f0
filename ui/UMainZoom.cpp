// Zooming by a factor, at the pointer and to fit the view, beside the fixed steps.
#include <QAction>
#include <QScrollBar>
#include <QWheelEvent>

#include "image/TImgView32.h"
#include "image/Zoom.h"
#include "ui/UMain.h"

namespace pixmora {

void TFMain::ZoomAt(float zoom, const QPointF& anchor) {
  ZoomFactor = zoom;
  ImgView->SetScaleAt(ZoomFactor, anchor);
  ImgView->SetPixelGrid(ZoomFactor, ZoomFactor > kPixelGridThreshold);
}

void TFMain::ZoomWithWheel(QWheelEvent* wheel) {
  const int delta = wheel->angleDelta().y();
  if (delta == 0)
    return;
  const bool factor = wheel->modifiers().testFlag(Qt::ControlModifier);
  const float zoom = delta > 0 ? (factor ? ZoomInByFactor(ZoomFactor) : ZoomInStep(ZoomFactor))
                               : (factor ? ZoomOutByFactor(ZoomFactor) : ZoomOutStep(ZoomFactor));
  ZoomAt(zoom, ImgView->viewport()->mapFromGlobal(wheel->globalPosition()));
}

void TFMain::mnuZoomInFactorClick() {
  ZoomFactor = ZoomInByFactor(ZoomFactor);
  AfterZoom();
}

void TFMain::mnuZoomOutFactorClick() {
  ZoomFactor = ZoomOutByFactor(ZoomFactor);
  AfterZoom();
}

void TFMain::mnuZoomToFitClick() {
  const QSize image = ImgView->BitmapSize();
  const QSize view = ImgView->viewport()->size();
  ZoomFactor = FitZoom(image.width(), image.height(), view.width(), view.height());
  AfterZoom();
}

void TFMain::ShowOpenedPicture() {
  // A reload, a frame step or a mode switch shows the same file: its zoom stays.
  if (Document.CurrentFileName == zoomedFile_)
    return;
  zoomedFile_ = Document.CurrentFileName;
  const QSize image = ImgView->BitmapSize();
  const QSize view = ImgView->viewport()->size();
  ZoomFactor = OpeningZoom(image.width(), image.height(), view.width(), view.height());
  AfterZoom();
  ImgView->horizontalScrollBar()->setValue(0);
  ImgView->verticalScrollBar()->setValue(0);
}

}  // namespace pixmora

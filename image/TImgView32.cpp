#include "image/TImgView32.h"

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QSizeGrip>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "image/Zoom.h"

namespace pixmora {

namespace {

const QColor kBackground(160, 160, 164);
const QColor kGridColor(0x7F, 0x7F, 0x7F);
constexpr double kHandle = 6.0;

}  // namespace

TImgView32::TImgView32(QWidget* parent) : QAbstractScrollArea(parent) {
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setCornerWidget(new QSizeGrip(this));
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setMouseTracking(true);
}

void TImgView32::SetDropEnabled(bool enabled) {
  setAcceptDrops(enabled);
  viewport()->setAcceptDrops(enabled);
}

namespace {

QStringList LocalFiles(const QMimeData* data) {
  QStringList names;
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile())
      names << url.toLocalFile();
  }
  return names;
}

}  // namespace

void TImgView32::dragEnterEvent(QDragEnterEvent* event) {
  if (DropEnabled() && !LocalFiles(event->mimeData()).isEmpty())
    event->acceptProposedAction();
}

void TImgView32::dragMoveEvent(QDragMoveEvent* event) {
  if (DropEnabled() && !LocalFiles(event->mimeData()).isEmpty())
    event->acceptProposedAction();
}

void TImgView32::dropEvent(QDropEvent* event) {
  const QStringList names = LocalFiles(event->mimeData());
  if (!DropEnabled() || names.isEmpty())
    return;
  event->acceptProposedAction();
  emit FilesDropped(names, event->position().toPoint());
}

void TImgView32::SetBitmap(const TBitmap32& bitmap) {
  if (bitmap.Empty()) {
    image_ = QImage();
  } else {
    // 0xAARRGGBB words are the layout of Format_RGB32; alpha is not shown.
    image_ = QImage(bitmap.Width(), bitmap.Height(), QImage::Format_RGB32);
    const auto rowBytes = static_cast<std::size_t>(bitmap.Width()) * 4;
    for (int y = 0; y < bitmap.Height(); ++y) {
      std::memcpy(image_.scanLine(y), bitmap.Row(y), rowBytes);
    }
  }
  UpdateScrollBars();
  viewport()->update();
}

void TImgView32::SetScale(float scale) {
  SetScaleAt(scale, QRectF(viewport()->rect()).center());
}

void TImgView32::SetScaleAt(float scale, const QPointF& anchor) {
  const float from = scale_;
  scale_ = std::max(scale, kMinimumViewScale);
  const double x = AnchoredOffset(horizontalScrollBar()->value(), anchor.x(), from, scale_);
  const double y = AnchoredOffset(verticalScrollBar()->value(), anchor.y(), from, scale_);
  UpdateScrollBars();
  horizontalScrollBar()->setValue(static_cast<int>(std::lround(x)));
  verticalScrollBar()->setValue(static_cast<int>(std::lround(y)));
  viewport()->update();
}

QPointF TImgView32::ImagePointAt(const QPointF& view) const {
  return (view - Origin()) / static_cast<double>(scale_);
}

void TImgView32::ResetPixelGrid(float scale, bool visible) {
  SetPixelGrid(scale, visible);
}

void TImgView32::SetPixelGrid(float scale, bool visible) {
  gridScale_ = scale;
  gridVisible_ = visible;
  viewport()->update();
}

void TImgView32::SetCropSelection(const QRect& rect) {
  crop_ = rect;
  viewport()->update();
}

void TImgView32::SetCropSelectionVisible(bool visible) {
  cropVisible_ = visible;
  viewport()->setCursor(visible ? Qt::SizeAllCursor : Qt::ArrowCursor);
  viewport()->update();
}

void TImgView32::UpdateScrollBars() {
  const double width = image_.width() * static_cast<double>(scale_);
  const double height = image_.height() * static_cast<double>(scale_);
  const QSize page = viewport()->size();
  horizontalScrollBar()->setRange(0,
                                  std::max(0, static_cast<int>(std::ceil(width)) - page.width()));
  verticalScrollBar()->setRange(0,
                                std::max(0, static_cast<int>(std::ceil(height)) - page.height()));
  horizontalScrollBar()->setPageStep(page.width());
  verticalScrollBar()->setPageStep(page.height());
  horizontalScrollBar()->setSingleStep(16);
  verticalScrollBar()->setSingleStep(16);
}

QPointF TImgView32::Origin() const {
  return QPointF(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
}

QRectF TImgView32::ScreenRect(const QRect& imageRect) const {
  const double s = scale_;
  return QRectF(Origin() + QPointF(imageRect.x() * s, imageRect.y() * s),
                QSizeF(imageRect.width() * s, imageRect.height() * s));
}

QPoint TImgView32::ImagePoint(const QPointF& screen) const {
  const QPointF p = (screen - Origin()) / static_cast<double>(scale_);
  return QPoint(static_cast<int>(std::lround(p.x())), static_cast<int>(std::lround(p.y())));
}

void TImgView32::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  painter.fillRect(viewport()->rect(), kBackground);
  if (!image_.isNull()) {
    // Only the part of the image inside the viewport is scaled, so a high zoom stays cheap.
    const double s = scale_;
    const QPointF origin = Origin();
    const int left = std::max(0, static_cast<int>(std::floor(-origin.x() / s)));
    const int top = std::max(0, static_cast<int>(std::floor(-origin.y() / s)));
    const int right = std::min(image_.width(),
                               static_cast<int>(std::ceil((viewport()->width() - origin.x()) / s)));
    const int bottom = std::min(
        image_.height(), static_cast<int>(std::ceil((viewport()->height() - origin.y()) / s)));
    if (right > left && bottom > top) {
      const QRect source(left, top, right - left, bottom - top);
      painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
      painter.drawImage(ScreenRect(source), image_, source);
    }
    if (gridVisible_)
      DrawPixelGrid(painter);
    if (cropVisible_)
      DrawCropSelection(painter);
  }
  painter.end();
  emit GDIOverlay();
}

void TImgView32::DrawPixelGrid(QPainter& painter) {
  const QPointF origin = Origin();
  const QSizeF extent(image_.width() * static_cast<double>(gridScale_),
                      image_.height() * static_cast<double>(gridScale_));
  painter.setPen(QPen(kGridColor, 1));
  for (double x :
       PixelGridLines(gridScale_, image_.width(), -origin.x(), viewport()->width() - origin.x())) {
    painter.drawLine(
        QLineF(origin.x() + x, origin.y(), origin.x() + x, origin.y() + extent.height()));
  }
  for (double y : PixelGridLines(gridScale_, image_.height(), -origin.y(),
                                 viewport()->height() - origin.y())) {
    painter.drawLine(
        QLineF(origin.x(), origin.y() + y, origin.x() + extent.width(), origin.y() + y));
  }
}

void TImgView32::DrawCropSelection(QPainter& painter) {
  const QRectF rect = ScreenRect(crop_);
  painter.setPen(QPen(Qt::white, 1, Qt::SolidLine));
  painter.drawRect(rect);
  painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
  painter.drawRect(rect);
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(Qt::white);
  for (const QPointF& corner :
       {rect.topLeft(), rect.topRight(), rect.bottomLeft(), rect.bottomRight()}) {
    painter.drawRect(QRectF(corner - QPointF(kHandle / 2, kHandle / 2), QSizeF(kHandle, kHandle)));
  }
}

TImgView32::Drag TImgView32::HitTest(const QPointF& screen) const {
  const QRectF rect = ScreenRect(crop_);
  auto near = [&](const QPointF& corner) {
    return std::abs(screen.x() - corner.x()) <= kHandle &&
           std::abs(screen.y() - corner.y()) <= kHandle;
  };
  if (near(rect.topLeft()))
    return Drag::TopLeft;
  if (near(rect.topRight()))
    return Drag::TopRight;
  if (near(rect.bottomLeft()))
    return Drag::BottomLeft;
  if (near(rect.bottomRight()))
    return Drag::BottomRight;
  return rect.contains(screen) ? Drag::Move : Drag::None;
}

void TImgView32::mousePressEvent(QMouseEvent* event) {
  setFocus();
  if (!cropVisible_ || event->button() != Qt::LeftButton)
    return;
  drag_ = HitTest(event->position());
  dragStart_ = ImagePoint(event->position());
  dragCrop_ = crop_;
}

void TImgView32::mouseMoveEvent(QMouseEvent* event) {
  if (!cropVisible_)
    return;
  if (drag_ == Drag::None) {
    const Drag hover = HitTest(event->position());
    const bool diagonal = hover == Drag::TopLeft || hover == Drag::BottomRight;
    viewport()->setCursor(hover == Drag::Move || hover == Drag::None ? Qt::SizeAllCursor
                          : diagonal                                 ? Qt::SizeFDiagCursor
                                                                     : Qt::SizeBDiagCursor);
    return;
  }
  const QPoint delta = ImagePoint(event->position()) - dragStart_;
  const QRect bounds(QPoint(0, 0), image_.size());
  QRect rect = dragCrop_;
  if (drag_ == Drag::Move) {
    rect.translate(delta);
    rect.moveLeft(std::clamp(rect.left(), 0, std::max(0, bounds.width() - rect.width())));
    rect.moveTop(std::clamp(rect.top(), 0, std::max(0, bounds.height() - rect.height())));
  } else {
    QPoint a = rect.topLeft();
    QPoint b = rect.topLeft() + QPoint(rect.width(), rect.height());
    if (drag_ == Drag::TopLeft || drag_ == Drag::BottomLeft)
      a.rx() += delta.x();
    if (drag_ == Drag::TopRight || drag_ == Drag::BottomRight)
      b.rx() += delta.x();
    if (drag_ == Drag::TopLeft || drag_ == Drag::TopRight)
      a.ry() += delta.y();
    if (drag_ == Drag::BottomLeft || drag_ == Drag::BottomRight)
      b.ry() += delta.y();
    const auto clampX = [&](int v) { return std::clamp(v, 0, bounds.width()); };
    const auto clampY = [&](int v) { return std::clamp(v, 0, bounds.height()); };
    const int x1 = clampX(std::min(a.x(), b.x())), x2 = clampX(std::max(a.x(), b.x()));
    const int y1 = clampY(std::min(a.y(), b.y())), y2 = clampY(std::max(a.y(), b.y()));
    rect = QRect(x1, y1, std::max(1, x2 - x1), std::max(1, y2 - y1));
  }
  if (rect != crop_) {
    crop_ = rect;
    viewport()->update();
    emit CropSelectionChanged(crop_);
  }
}

void TImgView32::mouseReleaseEvent(QMouseEvent*) {
  drag_ = Drag::None;
}

void TImgView32::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
}

void TImgView32::contextMenuEvent(QContextMenuEvent* event) {
  if (popup_)
    popup_->exec(event->globalPos());
}

}  // namespace pixmora

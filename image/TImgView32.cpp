#include "image/TImgView32.h"

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QSizeGrip>
#include <algorithm>
#include <array>
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
  // While the scroll bars show the last zoom's offset, rounded, that zoom's exact offset goes
  // on: steps in a row do not add up their roundings and carry the anchor away.
  const QPoint shown(horizontalScrollBar()->value(), verticalScrollBar()->value());
  const QPointF offset = shown == scrollShown_ ? scrollExact_ : QPointF(shown);
  const double x = AnchoredOffset(offset.x(), anchor.x(), from, scale_);
  const double y = AnchoredOffset(offset.y(), anchor.y(), from, scale_);
  UpdateScrollBars();
  horizontalScrollBar()->setValue(static_cast<int>(std::lround(x)));
  verticalScrollBar()->setValue(static_cast<int>(std::lround(y)));
  scrollShown_ = QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
  // An offset the scroll bars could not take is where they stopped.
  scrollExact_ = QPointF(scrollShown_.x() == std::lround(x) ? x : scrollShown_.x(),
                         scrollShown_.y() == std::lround(y) ? y : scrollShown_.y());
  viewport()->update();
  emit Scaled();
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
  emit Scaled();
}

void TImgView32::SetCropSelection(const QRect& rect) {
  crop_ = rect;
  viewport()->update();
  emit CropSelectionChanged(crop_);
}

void TImgView32::SetCropSelectionVisible(bool visible) {
  cropVisible_ = visible;
  emit CropSelectionChanged(crop_);
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

std::optional<QPoint> TImgView32::PixelAt(const QPointF& viewportPoint) const {
  const QPointF p = ImagePointAt(viewportPoint);
  const QPoint pixel(static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y())));
  if (image_.isNull() || !QRect(QPoint(0, 0), image_.size()).contains(pixel))
    return std::nullopt;
  return pixel;
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

namespace {

// The eight handles in the order of their grips, from a selection's screen rectangle.
struct Handle {
  CropGrip grip;
  QPointF at;
};

std::array<Handle, 8> Handles(const QRectF& r) {
  const QPointF c = r.center();
  return {{{CropGrip::TopLeft, r.topLeft()},
           {CropGrip::TopRight, r.topRight()},
           {CropGrip::BottomLeft, r.bottomLeft()},
           {CropGrip::BottomRight, r.bottomRight()},
           {CropGrip::Left, {r.left(), c.y()}},
           {CropGrip::Right, {r.right(), c.y()}},
           {CropGrip::Top, {c.x(), r.top()}},
           {CropGrip::Bottom, {c.x(), r.bottom()}}}};
}

Qt::CursorShape CursorOf(CropGrip grip) {
  switch (grip) {
    case CropGrip::TopLeft:
    case CropGrip::BottomRight:
      return Qt::SizeFDiagCursor;
    case CropGrip::TopRight:
    case CropGrip::BottomLeft:
      return Qt::SizeBDiagCursor;
    case CropGrip::Left:
    case CropGrip::Right:
      return Qt::SizeHorCursor;
    case CropGrip::Top:
    case CropGrip::Bottom:
      return Qt::SizeVerCursor;
    case CropGrip::Move:
      return Qt::SizeAllCursor;
    case CropGrip::Draw:
      break;
  }
  return Qt::CrossCursor;
}

TCropRect CropRectOf(const QRect& r) {
  return {static_cast<float>(r.left()), static_cast<float>(r.top()),
          static_cast<float>(r.left() + r.width()), static_cast<float>(r.top() + r.height())};
}

}  // namespace

void TImgView32::DrawCropSelection(QPainter& painter) {
  const QRectF rect = ScreenRect(crop_);
  painter.setPen(QPen(Qt::white, 1, Qt::SolidLine));
  painter.drawRect(rect);
  painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
  painter.drawRect(rect);
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(Qt::white);
  for (const Handle& handle : Handles(rect)) {
    painter.drawRect(
        QRectF(handle.at - QPointF(kHandle / 2, kHandle / 2), QSizeF(kHandle, kHandle)));
  }
}

CropGrip TImgView32::HitTest(const QPointF& screen) const {
  const QRectF rect = ScreenRect(crop_);
  for (const Handle& handle : Handles(rect)) {
    if (std::abs(screen.x() - handle.at.x()) <= kHandle &&
        std::abs(screen.y() - handle.at.y()) <= kHandle) {
      return handle.grip;
    }
  }
  // The untouched selection covers the whole picture: a drag on it draws a new one.
  const bool whole = crop_ == QRect(QPoint(0, 0), image_.size());
  return rect.contains(screen) && !whole ? CropGrip::Move : CropGrip::Draw;
}

void TImgView32::mousePressEvent(QMouseEvent* event) {
  setFocus();
  if (!cropVisible_ || event->button() != Qt::LeftButton)
    return;
  dragging_ = true;
  grip_ = HitTest(event->position());
  pressPoint_ = ImagePointAt(event->position());
  cropAtPress_ = CropRectOf(crop_);
}

void TImgView32::mouseMoveEvent(QMouseEvent* event) {
  if (!cropVisible_)
    return;
  if (!dragging_) {
    viewport()->setCursor(CursorOf(HitTest(event->position())));
    return;
  }
  const QPointF at = ImagePointAt(event->position());
  const TCropRect r = DragCropRect(grip_, cropAtPress_, static_cast<float>(pressPoint_.x()),
                                   static_cast<float>(pressPoint_.y()), static_cast<float>(at.x()),
                                   static_cast<float>(at.y()), image_.width(), image_.height());
  const QRect rect(QPoint(static_cast<int>(r.Left), static_cast<int>(r.Top)),
                   QSize(static_cast<int>(r.Right - r.Left), static_cast<int>(r.Bottom - r.Top)));
  // A new selection shows once the pointer has moved a whole pixel.
  if (rect.isEmpty() || rect == crop_)
    return;
  crop_ = rect;
  viewport()->update();
  emit CropSelectionChanged(crop_);
}

void TImgView32::mouseReleaseEvent(QMouseEvent*) {
  dragging_ = false;
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

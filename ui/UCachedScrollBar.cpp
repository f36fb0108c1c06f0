#include "ui/UCachedScrollBar.h"

#include <QGuiApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>

namespace pixmora {

TCachedScrollBar::TCachedScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent) {}

bool TCachedScrollBar::event(QEvent* event) {
  const bool handled = QScrollBar::event(event);
  // The bar paints its own background, so the widgets behind it are not drawn under it; set
  // after every polish, as a style's polish may clear it.
  if (event->type() == QEvent::Polish || event->type() == QEvent::StyleChange)
    setAttribute(Qt::WA_OpaquePaintEvent);
  return handled;
}

TCachedScrollBar::Look TCachedScrollBar::LookOf(const QStyleOptionSlider& option) const {
  return {option.rect.size(),
          devicePixelRatioF(),
          style(),
          option.palette.cacheKey(),
          static_cast<int>(option.state),
          option.direction,
          option.minimum,
          option.maximum,
          option.sliderPosition,
          option.pageStep,
          option.upsideDown};
}

bool TCachedScrollBar::Idle() const {
  // A transient bar fades; its picture changes with time, not with its values.
  return !underMouse() && !isSliderDown() && QGuiApplication::mouseButtons() == Qt::NoButton &&
         !style()->styleHint(QStyle::SH_ScrollBar_Transient, nullptr, this);
}

void TCachedScrollBar::paintEvent(QPaintEvent* event) {
  if (!Idle()) {
    picture_ = QPixmap();
    QPainter(this).fillRect(rect(), palette().window());
    QScrollBar::paintEvent(event);
    return;
  }
  QStyleOptionSlider option;
  initStyleOption(&option);
  option.subControls = QStyle::SC_All;
  const Look look = LookOf(option);
  if (picture_.isNull() || look != look_) {
    QPixmap picture(size() * look.ratio);
    picture.setDevicePixelRatio(look.ratio);
    picture.fill(palette().window().color());
    QPainter painter(&picture);
    style()->drawComplexControl(QStyle::CC_ScrollBar, &option, &painter, this);
    painter.end();
    picture_ = picture;
    look_ = look;
  }
  QPainter(this).drawPixmap(0, 0, picture_);
}

}  // namespace pixmora

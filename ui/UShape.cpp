#include "ui/UShape.h"

#include <QPainter>

namespace pixmora {

TShape::TShape(QWidget* parent) : QWidget(parent) {}

void TShape::SetBrushColor(std::optional<QColor> color) {
  if (brush_ == color)
    return;
  brush_ = color;
  update();
}

void TShape::SetPenColor(const QColor& color) {
  if (pen_ == color)
    return;
  pen_ = color;
  update();
}

void TShape::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(pen_);
  painter.setBrush(brush_ ? QBrush(*brush_) : QBrush(Qt::NoBrush));
  painter.drawRect(0, 0, width() - 1, height() - 1);
}

QColor ColorFromBgr(std::uint32_t color) {
  return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

}  // namespace pixmora

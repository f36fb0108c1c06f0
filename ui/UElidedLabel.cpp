#include "ui/UElidedLabel.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace pixmora {

TElidedLabel::TElidedLabel(const QString& text, int preferredWidth, QWidget* parent)
    : QLabel(text, parent), preferredWidth_(preferredWidth) {
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

QSize TElidedLabel::sizeHint() const {
  const QSize own = QLabel::sizeHint();
  return {preferredWidth_ > 0 ? preferredWidth_ : own.width(), own.height()};
}

QSize TElidedLabel::minimumSizeHint() const {
  constexpr int kShortest = 8;  // characters, the ellipsis among them
  return {fontMetrics().averageCharWidth() * kShortest, QLabel::sizeHint().height()};
}

QString TElidedLabel::ShownText() const {
  return fontMetrics().elidedText(text(), Qt::ElideMiddle, contentsRect().width());
}

bool TElidedLabel::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip && toolTip().isEmpty() && ShownText() != text()) {
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
    return true;
  }
  return QLabel::event(event);
}

void TElidedLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  style()->drawItemText(&painter, contentsRect(), static_cast<int>(alignment()), palette(),
                        isEnabled(), ShownText(), foregroundRole());
}

}  // namespace pixmora

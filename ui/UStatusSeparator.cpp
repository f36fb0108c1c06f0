#include "ui/UStatusSeparator.h"

#include <QEvent>

namespace pixmora {

TStatusSeparator::TStatusSeparator(QWidget* field, QWidget* parent) : QFrame(parent) {
  setObjectName("sep" + field->objectName().mid(3));
  setFrameShape(QFrame::VLine);
  setFrameShadow(QFrame::Sunken);
  setVisible(!field->isHidden());
  field->installEventFilter(this);
}

bool TStatusSeparator::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)
    setVisible(!static_cast<QWidget*>(watched)->isHidden());
  return QFrame::eventFilter(watched, event);
}

}  // namespace pixmora

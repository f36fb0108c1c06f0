#pragma once

#include <QFrame>

namespace pixmora {

// A vertical line before a status bar field, shown while the field is shown.
class TStatusSeparator : public QFrame {
  Q_OBJECT

 public:
  TStatusSeparator(QWidget* field, QWidget* parent);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace pixmora

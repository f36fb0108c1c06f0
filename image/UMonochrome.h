#pragma once

#include <QDialog>

class QScrollBar;

namespace pixmora {

// The "Monochrome Threshold" window; so far only its threshold scroll bar, which every load
// puts back to the middle.
class TFMonochrome : public QDialog {
  Q_OBJECT

 public:
  explicit TFMonochrome(QWidget* parent = nullptr);

  QScrollBar* scbThreshold;
};

}  // namespace pixmora

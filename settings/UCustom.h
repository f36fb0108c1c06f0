#pragma once

#include <QDialog>

namespace pixmora {

// The "Custom format" window; its controls come with the window's own work.
class TFCustom : public QDialog {
  Q_OBJECT

 public:
  explicit TFCustom(QWidget* parent = nullptr);
};

}  // namespace pixmora

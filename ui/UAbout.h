#pragma once

#include <QDialog>

namespace pixmora {

// The "About" window; its controls come with the window's own work.
class TFAbout : public QDialog {
  Q_OBJECT

 public:
  explicit TFAbout(QWidget* parent = nullptr);
};

}  // namespace pixmora

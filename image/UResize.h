#pragma once

#include <QDialog>

class QCheckBox;

namespace pixmora {

// The "Resize image" window; so far only its two options, which the settings file keeps.
class TFResize : public QDialog {
  Q_OBJECT

 public:
  explicit TFResize(QWidget* parent = nullptr);

  QCheckBox* chkAspectRatio;
  QCheckBox* chkOptimizeImage;
};

}  // namespace pixmora

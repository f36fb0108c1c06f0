#pragma once

#include <QDialog>

class QSpinBox;

namespace pixmora {

// "Crop to": the crop rectangle typed as numbers, left, top, width and height in pixels.
class TFCropTo : public QDialog {
  Q_OBJECT

 public:
  explicit TFCropTo(QWidget* parent = nullptr);

  // Shows the selection and the picture's size as the fields' start and limits.
  void Prepare(const QRect& selection, const QSize& image);
  QRect Rect() const;

  QSpinBox* spnLeft;
  QSpinBox* spnTop;
  QSpinBox* spnWidth;
  QSpinBox* spnHeight;
};

}  // namespace pixmora

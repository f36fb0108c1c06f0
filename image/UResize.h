#pragma once

#include <QDialog>

#include "image/ResizeFieldLink.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace pixmora {

class ImageDocument;

// The "Resize image" window. Opening shows the working image's size; OK resamples the working
// image to the new size with the chosen filter, Cancel (or the close box) puts the two options
// back as they were when the window opened. The settings file keeps the two options.
class TFResize : public QDialog {
  Q_OBJECT

 public:
  explicit TFResize(ImageDocument& document, QWidget* parent = nullptr);
  ~TFResize() override;

  QLabel* lblWidth;
  QLabel* lblHeight;
  QSpinBox* spnWidth;
  QSpinBox* spnHeight;
  QCheckBox* chkAspectRatio;
  QCheckBox* chkOptimizeImage;
  QPushButton* btnOK;
  QPushButton* btnCancel;

 public slots:
  // OK, Cancel, Esc and the close box all end here.
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormShow();
  // False keeps the window open: the image could not be resampled to the size asked for.
  bool FormCloseQuery(int result);
  bool ResampleWorkingImage();
  void FocusChanged(QWidget* old, QWidget* now);
  void spnWidthChange(int width);
  void spnHeightChange(int height);

  ImageDocument& document_;
  ResizeFieldLink link_;
  bool savedKeepAspectRatio_ = true;
  bool savedOptimizeImage_ = true;
};

}  // namespace pixmora

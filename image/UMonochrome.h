#pragma once

#include <QDialog>

#include "image/ImageDocument.h"

class QPushButton;
class QScrollBar;
class QSpinBox;

namespace pixmora {

// The "Monochrome Threshold" window. Opening it switches to Monochrome mode and thresholds the
// working image; while it is open every move of the scroll bar previews the threshold in the
// image view. OK keeps the preview; Cancel (or the close box) goes back to the image and the
// position the window opened with. Every load puts the scroll bar back to the middle.
class TFMonochrome : public QDialog {
  Q_OBJECT

 public:
  explicit TFMonochrome(ImageDocument& document, QWidget* parent = nullptr);

  QScrollBar* scbThreshold;
  QSpinBox* spnThreshold;  // the position as a number, typed or following the scroll bar
  QPushButton* btnOK;
  QPushButton* btnCancel;

 public slots:
  // OK, Cancel, Esc and the close box all end here.
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormShow();
  void scbThresholdChange(int position);
  void FormClose(int result);

  ImageDocument& document_;
  int SavedThreshold = kDefaultThresholdPosition;  // the position when the window opened
};

}  // namespace pixmora

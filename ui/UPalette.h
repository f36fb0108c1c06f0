#pragma once

#include <QDialog>
#include <array>
#include <cstdint>

#include "ui/SwatchGrid.h"

class QLabel;

namespace pixmora {

class ImageDocument;
class TShape;

// The "Color Table" window: the current image's palette as 256 swatches, and the color under
// the pointer.
class TFPalette : public QDialog {
  Q_OBJECT

 public:
  // Reads the document's color table each time it is shown.
  explicit TFPalette(const ImageDocument& document, QWidget* parent = nullptr);

  // Every load paints the swatches white before it reads the file's palette.
  void ResetSwatches();
  const std::array<std::uint32_t, SwatchGrid::kCount>& Swatches() const { return grid_.Fills(); }

  std::array<TShape*, SwatchGrid::kCount> Shapes{};  // Shape1 .. Shape256, by palette entry
  QLabel* lblNumber;
  QLabel* lblColor;
  QLabel* lblColorDetail;  // the pointed swatch's index and 5-6-5 value

 protected:
  void showEvent(QShowEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormCreate();
  void FormShow();
  void Shape1MouseMove(int index);
  void FormMouseMove();
  // Puts the grid's fills and borders on the swatches.
  void PaintSwatches();

  const ImageDocument& document_;
  SwatchGrid grid_;
};

}  // namespace pixmora

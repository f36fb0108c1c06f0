#include "ui/UPalette.h"

namespace pixmora {

TFPalette::TFPalette(QWidget* parent) : QDialog(parent) {
  setObjectName("FPalette");
  setWindowTitle("Color Table");
  ResetSwatches();
}

}  // namespace pixmora

#include "settings/UCustom.h"

namespace pixmora {

TFCustom::TFCustom(QWidget* parent) : QDialog(parent) {
  setObjectName("FCustom");
  setWindowTitle("Custom format");
}

}  // namespace pixmora

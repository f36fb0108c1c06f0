#include "ui/UAbout.h"

namespace pixmora {

TFAbout::TFAbout(QWidget* parent) : QDialog(parent) {
  setObjectName("FAbout");
  setWindowTitle("About");
}

}  // namespace pixmora

#include "image/UMonochrome.h"

#include <QScrollBar>
#include <QVBoxLayout>

#include "image/ImageDocument.h"

namespace pixmora {

TFMonochrome::TFMonochrome(QWidget* parent)
    : QDialog(parent), scbThreshold(new QScrollBar(Qt::Horizontal, this)) {
  setObjectName("FMonochrome");
  setWindowTitle("Monochrome Threshold");
  scbThreshold->setObjectName("scbThreshold");
  scbThreshold->setRange(0, kThresholdMaximum);
  scbThreshold->setValue(kDefaultThresholdPosition);
  (new QVBoxLayout(this))->addWidget(scbThreshold);
}

}  // namespace pixmora

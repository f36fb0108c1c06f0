#include "image/UResize.h"

#include <QCheckBox>
#include <QVBoxLayout>

namespace pixmora {

TFResize::TFResize(QWidget* parent)
    : QDialog(parent),
      chkAspectRatio(new QCheckBox("Keep aspect ratio", this)),
      chkOptimizeImage(new QCheckBox("Optimize image", this)) {
  setObjectName("FResize");
  setWindowTitle("Resize image");
  chkAspectRatio->setObjectName("chkAspectRatio");
  chkOptimizeImage->setObjectName("chkOptimizeImage");
  chkAspectRatio->setChecked(true);
  chkOptimizeImage->setChecked(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(chkAspectRatio);
  layout->addWidget(chkOptimizeImage);
}

}  // namespace pixmora

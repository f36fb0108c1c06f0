// The crop selection's readout in the status bar and "Crop to...", which takes the rectangle
// as numbers.
#include <QAction>
#include <QLabel>
#include <QStatusBar>

#include "image/CropDrag.h"
#include "image/DocumentEdits.h"
#include "image/TImgView32.h"
#include "ui/UCropTo.h"
#include "ui/ULabelWidth.h"
#include "ui/UMain.h"
#include "ui/UStatusSeparator.h"

namespace pixmora {

void TFMain::CreateCropReadout() {
  auto* readout = new QLabel(statusBar());
  readout->setObjectName("lblCropSelection");
  readout->hide();
  FitWidestText(readout);
  statusBar()->addPermanentWidget(new TStatusSeparator(readout, statusBar()));
  statusBar()->addPermanentWidget(readout);
  const auto show = [this, readout] {
    const QRect r = ImgView->CropSelection();
    readout->setVisible(ImgView->CropSelectionVisible());
    readout->setText(QString("Selection: %1, %2, %3 x %4")
                         .arg(r.left())
                         .arg(r.top())
                         .arg(r.width())
                         .arg(r.height()));
  };
  connect(ImgView, &TImgView32::CropSelectionChanged, readout, show);
  frmCropTo = new TFCropTo(this);
}

void TFMain::mnuCropToClick() {
  frmCropTo->Prepare(ImgView->CropSelection(), ImgView->BitmapSize());
  if (frmCropTo->exec() != QDialog::Accepted)
    return;
  const QRect typed = frmCropTo->Rect();
  const TCropRect rect = CropRectOf(typed.left(), typed.top(), typed.width(), typed.height(),
                                    Document.WorkingImage.Width(), Document.WorkingImage.Height());
  if (const std::string error = CropWorkingImage(Document, rect); !error.empty())
    ReportError(error);
}

}  // namespace pixmora

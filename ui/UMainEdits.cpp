// The main window's editing commands: they call the document's operations and show the
// result; the work itself lives in the image folder.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QScrollBar>

#include "image/ColorReduction.h"
#include "image/DocumentEdits.h"
#include "image/TImgView32.h"
#include "image/UMonochrome.h"
#include "image/UResize.h"
#include "ui/TMemo.h"
#include "ui/UMain.h"

namespace pixmora {

void TFMain::mnuRotateRightClick() {
  RotateImageRight(Document);
}
void TFMain::mnuRotateLeftClick() {
  RotateImageLeft(Document);
}
void TFMain::mnuFlipHorizontalClick() {
  FlipImageHorizontal(Document);
}
void TFMain::mnuFlipVerticalClick() {
  FlipImageVertical(Document);
}

void TFMain::mnuCropEnabledClick() {
  const bool checked = Command("mnuCropEnabled")->isChecked();
  Command("mnuCropImage")->setEnabled(checked);
  ImgView->SetCropSelectionVisible(checked);
}

void TFMain::mnuCropImageClick() {
  if (!ImgView->CropSelectionVisible())
    return;
  const QRect rect = ImgView->CropSelection();
  const TCropRect selection{static_cast<float>(rect.left()), static_cast<float>(rect.top()),
                            static_cast<float>(rect.left() + rect.width()),
                            static_cast<float>(rect.top() + rect.height())};
  const std::string error = CropWorkingImage(Document, selection);
  if (!error.empty())
    ReportError(error);
}

void TFMain::mnuResizeImageClick() {
  // OK marks the image as edited even when an empty or zero size left it as it was.
  if (frmResize->exec() == QDialog::Accepted)
    Document.ImageChanged = true;
}

void TFMain::SwitchMode(ImageMode mode) {
  const auto position = static_cast<std::uint32_t>(frmMonochrome->scbThreshold->value());
  if (!SwitchImageMode(Document, mode, position))
    ShowImageMode(Document);
}

void TFMain::mnuMonochromeClick() {
  ClearOutput();
  frmMonochrome->exec();
}

void TFMain::mnuResampleImage2Click() {
  QAction* resample = Command("mnuResampleImage2");
  resample->setEnabled(false);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const int index =
      static_cast<int>(resampleColors_->actions().indexOf(resampleColors_->checkedAction()));
  const std::string error = ReduceColors(Document, kReductionCounts[std::max(0, index)].Bits);
  QApplication::restoreOverrideCursor();
  resample->setEnabled(true);
  if (!error.empty())
    ReportError(error);
}

}  // namespace pixmora

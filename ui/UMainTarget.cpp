// The main window's target: the drop-down on the main toolbar and the conversion for it.
#include <QApplication>
#include <QComboBox>
#include <QToolBar>

#include "ui/TMemo.h"
#include "ui/UMain.h"

namespace pixmora {

void TFMain::CreateTargetList() {
  cmbMainTarget = new QComboBox(tlbMainToolbar);
  cmbMainTarget->setObjectName("cmbMainTarget");
  cmbMainTarget->setToolTip(InfoOf(TargetSetting::Target).hint);
  for (const TargetInfo& target : kTargets)
    cmbMainTarget->addItem(TargetCaption(target.kind));
  cmbMainTarget->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  tlbMainToolbar->addWidget(cmbMainTarget)->setObjectName("cmbMainTarget");
  connect(cmbMainTarget, &QComboBox::activated, this, [this](int index) {
    RunCommand("cmbMainTargetChange", [this, index] { cmbMainTargetChange(index); });
  });
}

void TFMain::cmbMainTargetChange(int index) {
  const auto target = static_cast<TargetKind>(index);
  if (target == TargetSettings.target)
    return;
  TargetSettings.target = target;
  ClearOutput();
}

void TFMain::ShowTarget() {
  cmbMainTarget->setCurrentIndex(static_cast<int>(TargetSettings.target));
}

void TFMain::ConvertForTarget() {
  // The classic results of an earlier run are no longer shown.
  Engine.Release();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const std::string refusal = targetOutput_.Convert(Document, TargetSettings);
  QApplication::restoreOverrideCursor();
  if (!refusal.empty()) {
    services_.messages.Show(refusal, "Target error", MessageIcon::Error, MessageButtons::OK);
    return;
  }
  mmoDataOutput->ShowText(targetOutput_.Text());
}

}  // namespace pixmora

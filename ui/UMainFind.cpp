// The output window's selection copy, Find and Go to line.
#include <QAction>
#include <QLayout>

#include "ui/TMemo.h"
#include "ui/UFindBar.h"
#include "ui/UMain.h"

namespace pixmora {

void TFMain::CreateFindBar() {
  pnlFind = new TFindBar(*mmoDataOutput, mmoDataOutput->parentWidget());
  mmoDataOutput->parentWidget()->layout()->addWidget(pnlFind);
  pnlFind->hide();
  // They can be chosen exactly while the output window holds text, as Copy can.
  const char* const commands[] = {"mnuCopySelection", "mnuFind", "mnuFindNext", "mnuFindPrevious",
                                  "mnuGoToLine"};
  connect(Command("mnuCopy"), &QAction::changed, this, [this, commands] {
    for (const char* name : commands)
      Command(name)->setEnabled(Command("mnuCopy")->isEnabled());
  });
}

void TFMain::mnuCopySelectionClick() {
  if (mmoDataOutput->SelLength() > 0)
    services_.clipboard.SetText(mmoDataOutput->SelectedText());
}

void TFMain::mnuFindClick() {
  pnlFind->StartFind();
}

void TFMain::mnuFindNextClick() {
  pnlFind->FindNext(true);
}

void TFMain::mnuFindPreviousClick() {
  pnlFind->FindNext(false);
}

void TFMain::mnuGoToLineClick() {
  pnlFind->StartGoToLine();
}

}  // namespace pixmora

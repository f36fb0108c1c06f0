#include "ui/ULabelWidth.h"

#include <QLabel>

#include "ui/WidestTexts.h"

namespace pixmora {

void FitWidestText(QLabel* label) {
  const char* widest = WidestLabelText(label->objectName().toStdString());
  if (!widest)
    return;
  const QString shown = label->text();
  label->setText(widest);
  label->setMinimumWidth(label->sizeHint().width());
  label->setText(shown);
}

}  // namespace pixmora

#include "ui/UCropTo.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>

namespace pixmora {

TFCropTo::TFCropTo(QWidget* parent)
    : QDialog(parent),
      spnLeft(new QSpinBox(this)),
      spnTop(new QSpinBox(this)),
      spnWidth(new QSpinBox(this)),
      spnHeight(new QSpinBox(this)) {
  setObjectName("FCropTo");
  setWindowTitle("Crop to");
  auto* form = new QFormLayout(this);
  const std::pair<QSpinBox*, const char*> fields[] = {
      {spnLeft, "&Left:"}, {spnTop, "&Top:"}, {spnWidth, "&Width:"}, {spnHeight, "&Height:"}};
  for (const auto& [field, caption] : fields) {
    field->setSuffix(" px");
    form->addRow(caption, field);
  }
  spnLeft->setObjectName("spnLeft");
  spnTop->setObjectName("spnTop");
  spnWidth->setObjectName("spnWidth");
  spnHeight->setObjectName("spnHeight");
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setDefault(true);
  form->addRow(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void TFCropTo::Prepare(const QRect& selection, const QSize& image) {
  spnLeft->setRange(0, std::max(0, image.width() - 1));
  spnTop->setRange(0, std::max(0, image.height() - 1));
  spnWidth->setRange(1, std::max(1, image.width()));
  spnHeight->setRange(1, std::max(1, image.height()));
  spnLeft->setValue(selection.left());
  spnTop->setValue(selection.top());
  spnWidth->setValue(selection.width());
  spnHeight->setValue(selection.height());
  spnLeft->setFocus();
  spnLeft->selectAll();
}

QRect TFCropTo::Rect() const {
  return {spnLeft->value(), spnTop->value(), spnWidth->value(), spnHeight->value()};
}

}  // namespace pixmora

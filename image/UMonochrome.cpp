#include "image/UMonochrome.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "image/DocumentEdits.h"

namespace pixmora {
namespace {

constexpr int kSmallStep = 255;
constexpr int kLargeStep = 4095;

std::uint32_t Position(int value) {
  return static_cast<std::uint32_t>(value);
}

}  // namespace

TFMonochrome::TFMonochrome(ImageDocument& document, QWidget* parent)
    : QDialog(parent, Qt::Tool),
      scbThreshold(new QScrollBar(Qt::Horizontal, this)),
      spnThreshold(new QSpinBox(this)),
      btnOK(new QPushButton("OK", this)),
      btnCancel(new QPushButton("Cancel", this)),
      document_(document) {
  setObjectName("FMonochrome");
  setWindowTitle("Monochrome Threshold");
  scbThreshold->setObjectName("scbThreshold");
  scbThreshold->setRange(0, kThresholdMaximum);
  scbThreshold->setSingleStep(kSmallStep);
  scbThreshold->setPageStep(kLargeStep);
  scbThreshold->setValue(kDefaultThresholdPosition);
  btnOK->setObjectName("btnOK");
  btnOK->setDefault(true);
  btnCancel->setObjectName("btnCancel");

  spnThreshold->setObjectName("spnThreshold");
  spnThreshold->setRange(0, kThresholdMaximum);
  spnThreshold->setSingleStep(kSmallStep);
  spnThreshold->setValue(scbThreshold->value());
  spnThreshold->setToolTip(
      "Pixels whose value red + 256 x green + 65536 x blue is above it turn white");
  auto* group = new QGroupBox("Threshold", this);
  auto* column = new QVBoxLayout(group);
  // A higher position turns more pixels black.
  auto* slider = new QHBoxLayout;
  slider->addWidget(new QLabel("lighter", group));
  slider->addWidget(scbThreshold, 1);
  slider->addWidget(new QLabel("darker", group));
  column->addLayout(slider);
  auto* number = new QHBoxLayout;
  number->addStretch();
  number->addWidget(new QLabel("Position:", group));
  number->addWidget(spnThreshold);
  column->addLayout(number);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnOK);
  buttons->addWidget(btnCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addLayout(buttons);
  setMinimumWidth(320);

  connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(scbThreshold, &QScrollBar::valueChanged, this, &TFMonochrome::scbThresholdChange);
  connect(scbThreshold, &QScrollBar::valueChanged, spnThreshold, [this](int position) {
    const QSignalBlocker hold(spnThreshold);
    spnThreshold->setValue(position);
  });
  connect(spnThreshold, &QSpinBox::valueChanged, scbThreshold, &QScrollBar::setValue);
}

void TFMonochrome::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous())
    FormShow();
}

void TFMonochrome::FormShow() {
  StartThreshold(document_, Position(scbThreshold->value()));
  SavedThreshold = scbThreshold->value();
}

void TFMonochrome::scbThresholdChange(int position) {
  // Only a move in the open window previews; a load resetting the position leaves its image.
  if (isVisible())
    ApplyThreshold(document_, Position(position));
}

void TFMonochrome::done(int result) {
  const bool wasOpen = isVisible();
  QDialog::done(result);
  if (wasOpen)
    FormClose(result);
}

void TFMonochrome::FormClose(int result) {
  if (result == Accepted)
    return;
  // Hidden by now, so moving the scroll bar back previews nothing.
  scbThreshold->setValue(SavedThreshold);
  CancelThreshold(document_);
}

}  // namespace pixmora

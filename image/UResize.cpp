#include "image/UResize.h"

#include <QApplication>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QVBoxLayout>

#include "image/DocumentEdits.h"
#include "image/ImageDocument.h"
#include "image/ResizeRules.h"

namespace pixmora {
namespace {

QSpinBox* SizeField(const char* name, QWidget* parent) {
  auto* field = new QSpinBox(parent);
  field->setObjectName(name);
  field->setRange(0, kMaxImageSide);
  return field;
}

bool Within(const QWidget* field, const QWidget* widget) {
  return widget && (widget == field || field->isAncestorOf(widget));
}

}  // namespace

TFResize::TFResize(ImageDocument& document, QWidget* parent)
    : QDialog(parent, Qt::Tool),
      lblWidth(new QLabel("Width: ", this)),
      lblHeight(new QLabel("Height: ", this)),
      spnWidth(SizeField("spnWidth", this)),
      spnHeight(SizeField("spnHeight", this)),
      chkAspectRatio(new QCheckBox("Keep aspect ratio", this)),
      chkOptimizeImage(new QCheckBox("Optimize image", this)),
      btnOK(new QPushButton("OK", this)),
      btnCancel(new QPushButton("Cancel", this)),
      document_(document) {
  setObjectName("FResize");
  setWindowTitle("Resize image");
  lblWidth->setObjectName("lblWidth");
  lblHeight->setObjectName("lblHeight");
  chkAspectRatio->setObjectName("chkAspectRatio");
  chkOptimizeImage->setObjectName("chkOptimizeImage");
  chkAspectRatio->setChecked(true);
  chkOptimizeImage->setChecked(true);
  chkOptimizeImage->setToolTip(
      "On: a linear filter blends neighbouring pixels, for smooth photographs.\n"
      "Off: whole pixels are repeated or dropped (box filter), for pixel art and icons.");
  btnOK->setObjectName("btnOK");
  btnOK->setDefault(true);
  btnCancel->setObjectName("btnCancel");

  auto* original = new QGroupBox(" Original image dimensions (pixels) ", this);
  auto* originalLayout = new QVBoxLayout(original);
  originalLayout->addWidget(lblWidth);
  originalLayout->addWidget(lblHeight);
  auto* newSize = new QGroupBox(" New size ", this);
  auto* newSizeLayout = new QFormLayout(newSize);
  newSizeLayout->addRow("Width (pixels)", spnWidth);
  newSizeLayout->addRow("Height (pixels)", spnHeight);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnOK);
  buttons->addWidget(btnCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(original);
  layout->addWidget(newSize);
  layout->addWidget(chkAspectRatio);
  layout->addWidget(chkOptimizeImage);
  layout->addLayout(buttons);

  connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(spnWidth, &QSpinBox::valueChanged, this, &TFResize::spnWidthChange);
  connect(spnHeight, &QSpinBox::valueChanged, this, &TFResize::spnHeightChange);
  connect(qApp, &QApplication::focusChanged, this, &TFResize::FocusChanged);
}

TFResize::~TFResize() {
  // Hiding the window, which QDialog's destructor does, moves the focus and commits a typed
  // number; neither must reach this half-destroyed window.
  disconnect(qApp, nullptr, this, nullptr);
  spnWidth->disconnect(this);
  spnHeight->disconnect(this);
}

void TFResize::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous())
    FormShow();
}

void TFResize::FormShow() {
  savedKeepAspectRatio_ = chkAspectRatio->isChecked();
  savedOptimizeImage_ = chkOptimizeImage->isChecked();
  const int width = document_.WorkingImage.Width();
  const int height = document_.WorkingImage.Height();
  lblWidth->setText(QString("Width: %1").arg(width));
  lblHeight->setText(QString("Height: %1").arg(height));
  link_.Pause();
  spnWidth->setValue(width);
  spnHeight->setValue(height);
  link_.Open(width, height);
}

// Only the field being edited drives the other one.
void TFResize::FocusChanged(QWidget* old, QWidget* now) {
  if (Within(spnWidth, old))
    link_.LeaveWidth();
  if (Within(spnHeight, old))
    link_.LeaveHeight();
  if (Within(spnWidth, now))
    link_.EnterWidth();
  if (Within(spnHeight, now))
    link_.EnterHeight();
}

void TFResize::spnWidthChange(int width) {
  if (const std::optional<int> height = link_.HeightFor(width, chkAspectRatio->isChecked()))
    spnHeight->setValue(*height);
}

void TFResize::spnHeightChange(int height) {
  if (const std::optional<int> width = link_.WidthFor(height, chkAspectRatio->isChecked()))
    spnWidth->setValue(*width);
}

void TFResize::done(int result) {
  if (FormCloseQuery(result))
    QDialog::done(result);
}

bool TFResize::FormCloseQuery(int result) {
  if (result == Accepted)
    return ResampleWorkingImage();
  chkAspectRatio->setChecked(savedKeepAspectRatio_);
  chkOptimizeImage->setChecked(savedOptimizeImage_);
  return true;
}

bool TFResize::ResampleWorkingImage() {
  // An empty or zero field closes the window without resampling.
  if (spnWidth->cleanText().isEmpty() || spnHeight->cleanText().isEmpty() ||
      spnWidth->value() == 0 || spnHeight->value() == 0) {
    return true;
  }
  const ResampleFilter filter =
      chkOptimizeImage->isChecked() ? ResampleFilter::Linear : ResampleFilter::Box;
  // The values, not the texts: a spin field may show its digits in the locale's own script.
  const std::string error = ResizeWorkingImage(document_, std::to_string(spnWidth->value()),
                                               std::to_string(spnHeight->value()), filter);
  if (error.empty())
    return true;
  // A size that does not fit in memory: the image stays whole and the user may ask for less.
  document_.View().ReportError(error);
  return false;
}

}  // namespace pixmora

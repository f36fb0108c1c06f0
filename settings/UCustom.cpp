#include "settings/UCustom.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/qt/Cp1252.h"

namespace pixmora {

namespace {

// "Data per line": typed text is taken only when the field loses focus and it is a whole
// number in range; any other text, a number too large included, falls back to the previous
// value.
class TLengthSpin : public QSpinBox {
 public:
  explicit TLengthSpin(QWidget* parent) : QSpinBox(parent) {
    setRange(CustomFormat::kMinBytesPerLine, CustomFormat::kMaxBytesPerLine);
    setKeyboardTracking(false);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
  }

  QValidator::State validate(QString& text, int&) const override {
    const bool digitsOnly =
        std::all_of(text.begin(), text.end(), [](QChar c) { return c >= '0' && c <= '9'; });
    if (!digitsOnly)
      return QValidator::Invalid;
    return BytesPerLineFromText(text.toStdString()) ? QValidator::Acceptable
                                                    : QValidator::Intermediate;
  }
};

}  // namespace

TFCustom::TFCustom(CustomFormat& format, QWidget* parent)
    : QDialog(parent),
      spnLength(new TLengthSpin(this)),
      mmoExample(new QPlainTextEdit(this)),
      format_(format) {
  setObjectName("FCustom");
  setWindowTitle("Custom format");
  setWindowFlag(Qt::Tool);

  auto* settings = new QGroupBox(" Settings ", this);
  auto* fields = new QFormLayout(settings);
  for (std::size_t i = 0; i < TextFields.size(); ++i) {
    const auto& info = CustomTextFields()[i];
    auto* edit = new QLineEdit(settings);
    edit->setObjectName(info.control);
    connect(edit, &QLineEdit::textChanged, this, &TFCustom::edtRowDirectiveChange);
    fields->addRow(info.label, edit);
    TextFields[i] = edit;
  }
  spnLength->setObjectName(kBytesPerLineControl);
  spnLength->installEventFilter(this);
  connect(spnLength, &QSpinBox::valueChanged, this, &TFCustom::edtRowDirectiveChange);
  fields->addRow(kBytesPerLineLabel, spnLength);

  auto* example = new QGroupBox(" Output example ", this);
  mmoExample->setObjectName("mmoExample");
  mmoExample->setReadOnly(true);
  mmoExample->setLineWrapMode(QPlainTextEdit::NoWrap);
  mmoExample->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  (new QVBoxLayout(example))->addWidget(mmoExample);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText("OK");
  buttons->button(QDialogButtonBox::Cancel)->setText("Cancel");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* frames = new QHBoxLayout;
  frames->addWidget(settings);
  frames->addWidget(example, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(frames);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  ShowFormat();
}

void TFCustom::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous())
    FormShow();
}

void TFCustom::FormShow() {
  // The settings file and the command line assign the format while the window is hidden.
  ShowFormat();
  snapshot_ = format_;
}

TFCustom::~TFCustom() {
  // Hiding the window, which QDialog's destructor does, commits a typed number; it must not
  // reach this half-destroyed window or the format it edits.
  for (QLineEdit* edit : TextFields)
    edit->disconnect(this);
  spnLength->disconnect(this);
  spnLength->removeEventFilter(this);
}

void TFCustom::done(int result) {
  FormCloseQuery(result);
  QDialog::done(result);
}

void TFCustom::FormCloseQuery(int result) {
  if (result != Accepted) {
    format_ = snapshot_;
    ShowFormat();
  }
}

bool TFCustom::eventFilter(QObject* watched, QEvent* event) {
  if (watched == spnLength && event->type() == QEvent::KeyPress)
    return spnLengthKeyPress(static_cast<const QKeyEvent&>(*event));
  return QDialog::eventFilter(watched, event);
}

bool TFCustom::spnLengthKeyPress(const QKeyEvent& key) {
  switch (key.key()) {
    // Keys that move the focus, close the window or edit without typing a character; Enter
    // types "\r" and so is discarded below.
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
      return false;
    default:
      break;
  }
  const QString text = key.text();
  if (text.isEmpty())
    return false;
  return !std::all_of(text.begin(), text.end(), [](QChar c) {
    return c.unicode() < 0x80 && IsBytesPerLineKey(static_cast<char>(c.unicode()));
  });
}

void TFCustom::edtRowDirectiveChange() {
  for (std::size_t i = 0; i < TextFields.size(); ++i)
    format_.*CustomTextFields()[i].member = ToCp1252(TextFields[i]->text());
  format_.SetBytesPerLine(spnLength->value());
  UpdateExample();
}

void TFCustom::UpdateExample() {
  QStringList lines;
  for (const auto& line : pixmora::UpdateExample(format_))
    lines << FromCp1252(line);
  mmoExample->setPlainText(lines.join('\n'));
}

void TFCustom::ShowFormat() {
  for (std::size_t i = 0; i < TextFields.size(); ++i) {
    const QSignalBlocker block(TextFields[i]);
    TextFields[i]->setText(FromCp1252(format_.*CustomTextFields()[i].member));
  }
  {
    const QSignalBlocker block(spnLength);
    spnLength->setValue(format_.BytesPerLine());
  }
  UpdateExample();
}

}  // namespace pixmora

#include "conversion/UConvert.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <climits>

#include "platform/qt/Cp1252.h"
#include "ui/TMemo.h"

namespace pixmora {

namespace {

// Posted ahead of the events the caller's changes left pending (the main window's relayout
// and repaint), so a short run ends before any of them is handled and each window lays
// itself out and repaints once, after it.
const QEvent::Type kStartRun = static_cast<QEvent::Type>(QEvent::registerEventType());

}  // namespace

TFConvert::TFConvert(ConversionEngine& engine, MessageBoxService& messages, QWidget* parent)
    : QDialog(parent, Qt::Tool),
      lblCurrentTask(new QLabel("Formatting output...", this)),
      prgBar(new QProgressBar(this)),
      Bevel1(new QFrame(this)),
      btnCancel(new QPushButton(" Cancel", this)),
      Timer1(new QTimer(this)),
      engine_(engine),
      messages_(messages) {
  setObjectName("FConvert");
  setWindowTitle("Converting...");
  setFixedSize(316, 125);
  setCursor(Qt::WaitCursor);
  lblCurrentTask->setObjectName("lblCurrentTask");
  prgBar->setObjectName("prgBar");
  prgBar->setRange(0, 0);
  prgBar->setTextVisible(false);
  Bevel1->setObjectName("Bevel1");
  Bevel1->setFrameShape(QFrame::HLine);
  Bevel1->setFrameShadow(QFrame::Sunken);
  btnCancel->setObjectName("btnCancel");
  btnCancel->setCursor(Qt::ArrowCursor);
  btnCancel->setAutoDefault(false);
  Timer1->setObjectName("Timer1");
  Timer1->setInterval(1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lblCurrentTask);
  layout->addWidget(prgBar);
  layout->addWidget(Bevel1);
  layout->addWidget(btnCancel, 0, Qt::AlignRight);
  connect(btnCancel, &QPushButton::clicked, this, &TFConvert::btnCancelClick);
  connect(Timer1, &QTimer::timeout, this, &TFConvert::Timer1Timer);
}

void TFConvert::Execute(const ConversionInput& input, TMemo& output) {
  input_ = input;
  output_ = &output;
  exec();
}

void TFConvert::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  setUpdatesEnabled(true);
  ranThisShowing_ = false;
  // Without a window manager the window may never be activated; the run starts anyway.
  QCoreApplication::postEvent(this, new QEvent(kStartRun), Qt::HighEventPriority);
}

bool TFConvert::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate || event->type() == kStartRun)
    FormActivate();
  return QDialog::event(event);
}

void TFConvert::FormActivate() {
  // An activation delivered while a run pumps events, or a second one of the same showing,
  // starts nothing.
  if (running_ || ranThisShowing_ || !isVisible())
    return;
  running_ = true;
  ranThisShowing_ = true;
  // The closing tick is counted from the start of the run, so it is due when the run is over
  // and the window closes then, not a tick later; ticks during the run close nothing.
  Timer1->start();
  pump_.Reset();
  // The run rewrites the text the output window may still show.
  if (output_ && !output_->IsEmpty())
    output_->Clear();
  if (engine_.Run(input_, *this, messages_) && output_) {
    // The output window shows the engine's text in place; the engine keeps it until the next
    // run, and every run starts with the output window emptied.
    const std::string_view text = engine_.OutputTextView();
    const std::size_t banner = engine_.OutputBanner().size();
    output_->ShowText(text.substr(banner), engine_.OutputLines().Starts(), banner);
    output_->ShowText(text);
  }
  running_ = false;
  // Nobody would see a repaint in the moment before the window closes.
  setUpdatesEnabled(false);
}

void TFConvert::Timer1Timer() {
  if (running_)
    return;
  Timer1->stop();
  done(QDialog::Accepted);
}

void TFConvert::reject() {
  if (running_)
    btnCancel->click();
}

void TFConvert::SetCaption(std::string_view caption) {
  const QString text = FromCp1252(caption);
  lblCurrentTask->setText(text);
  emit PhaseStarted(text);
}

void TFConvert::SetMaximum(std::int64_t maximum) {
  barShift_ = 0;
  while ((maximum >> barShift_) > INT_MAX)
    ++barShift_;
  prgBar->setRange(0, static_cast<int>(std::max<std::int64_t>(0, maximum >> barShift_)));
  prgBar->setValue(0);
}

void TFConvert::SetPosition(std::int64_t position) {
  prgBar->setValue(BarValue(position));
}

void TFConvert::PumpMessages(std::int64_t position) {
  // The bar moves when the pump dispatches: a move repaints it, and between two dispatches
  // nobody could see the intermediate positions anyway.
  if (!pump_.Due())
    return;
  prgBar->setValue(BarValue(position));
  pump_.Pump();
}

int TFConvert::BarValue(std::int64_t position) const {
  return static_cast<int>(std::clamp<std::int64_t>(position >> barShift_, 0, prgBar->maximum()));
}

}  // namespace pixmora

#pragma once

#include <QDialog>
#include <string>

#include "conversion/ConversionEngine.h"
#include "conversion/ProgressSink.h"
#include "platform/qt/QtEventPump.h"

class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace pixmora {

class TMemo;

// The progress window of a conversion run. Shown modally, its activation runs the engine;
// the run pumps events through the window, which repaints its bar and lets Cancel (or Esc)
// stop the run. When the run ends, for whatever reason, a 1 ms timer closes the window; it
// is started with the run, so its first tick after the run is due at once.
class TFConvert : public QDialog, public ProgressSink {
  Q_OBJECT

 public:
  TFConvert(ConversionEngine& engine, MessageBoxService& messages, QWidget* parent = nullptr);

  // Runs the conversion of input in the modal window. A completed run sets the text of output
  // twice: first without the banner, then with the banner put before what it holds.
  void Execute(const ConversionInput& input, TMemo& output);

  void btnCancelClick() { SetConvertCancelled(true); }

  QLabel* lblCurrentTask;
  QProgressBar* prgBar;
  QFrame* Bevel1;
  QPushButton* btnCancel;
  QTimer* Timer1;

  // ProgressSink
  void SetCaption(std::string_view caption) override;
  void SetMaximum(std::int64_t maximum) override;
  void SetPosition(std::int64_t position) override;
  void PumpMessages(std::int64_t position) override;

 signals:
  // A phase of the run has started under this caption.
  void PhaseStarted(const QString& caption);

 public slots:
  // Esc and the close box press Cancel; only the timer closes the window.
  void reject() override;

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void FormActivate();
  void Timer1Timer();
  int BarValue(std::int64_t position) const;

  ConversionEngine& engine_;
  MessageBoxService& messages_;
  QtEventPump pump_;
  ConversionInput input_;
  TMemo* output_ = nullptr;
  std::int64_t pendingPosition_ = 0;
  bool running_ = false;
  bool ranThisShowing_ = false;
  int barShift_ = 0;  // a bar maximum beyond int range is shown scaled down
};

}  // namespace pixmora

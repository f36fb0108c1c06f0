#pragma once

#include <QApplication>

#include "platform/ErrorReport.h"

namespace pixmora {

// The application object with the general error report: an exception that escapes a command
// ends only that command; its message is shown and the program goes on.
class TApplication : public QApplication {
 public:
  TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

  // Not owned; until set, an escaping exception ends the program as usual.
  void SetErrorReport(ErrorReportService* errors) { errors_ = errors; }

  bool notify(QObject* receiver, QEvent* event) override;

 private:
  ErrorReportService* errors_ = nullptr;
};

}  // namespace pixmora

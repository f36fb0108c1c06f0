#pragma once

#include "platform/ErrorReport.h"

class QWidget;

namespace pixmora {

// Shows the message in an error box titled "Error"; the command that met it has ended.
class QtErrorReport : public ErrorReportService {
 public:
  explicit QtErrorReport(QWidget* parent = nullptr) : parent_(parent) {}
  void Report(const std::string& message) override;

 private:
  QWidget* parent_;
};

}  // namespace pixmora

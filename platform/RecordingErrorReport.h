#pragma once

#include <string>
#include <vector>

#include "platform/ErrorReport.h"

namespace pixmora {

// Test double: keeps every reported message.
class RecordingErrorReport : public ErrorReportService {
 public:
  void Report(const std::string& message) override { messages.push_back(message); }

  std::vector<std::string> messages;
};

}  // namespace pixmora

#pragma once

#include <string>

namespace pixmora {

// The application's report of an error that ended a command without a handler of its own:
// it shows the message and the program goes on. The message is Windows-1252 text.
class ErrorReportService {
 public:
  virtual ~ErrorReportService() = default;
  virtual void Report(const std::string& message) = 0;
};

}  // namespace pixmora

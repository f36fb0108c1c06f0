#pragma once

#include <string>

namespace pixmora {

// The application's report of an error that ended a command without a handler of its own:
// it shows the message and the program goes on. The message is in the file system's 8-bit
// encoding, since the file names and system reasons it carries are.
class ErrorReportService {
 public:
  virtual ~ErrorReportService() = default;
  virtual void Report(const std::string& message) = 0;
};

}  // namespace pixmora

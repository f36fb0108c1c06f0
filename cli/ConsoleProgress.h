#pragma once

#include <chrono>
#include <cstdio>
#include <string>

#include "conversion/ProgressSink.h"

namespace pixmora::cli {

// A progress bar on a terminal: one line, redrawn at most ten times a second, cleared at the end.
class ConsoleProgress : public ProgressSink {
 public:
  explicit ConsoleProgress(std::FILE* terminal) : terminal_(terminal) {}
  ~ConsoleProgress() override;

  void SetCaption(std::string_view caption) override;
  void SetMaximum(std::int64_t maximum) override;
  void SetPosition(std::int64_t position) override;
  void PumpMessages(std::int64_t position) override;

 private:
  void Draw(std::int64_t position);

  std::FILE* terminal_;
  std::string caption_;
  std::int64_t maximum_ = 0;
  bool drawn_ = false;
  std::chrono::steady_clock::time_point due_{};
};

}  // namespace pixmora::cli

#pragma once

#include <chrono>

#include "platform/EventPump.h"

namespace pixmora {

// Dispatches pending events at most once per interval: often enough for a smooth bar and an
// immediate Cancel, rarely enough that a run does not live in the event loop. Between
// dispatches a call costs a counter decrement and, every few calls, a clock read.
class QtEventPump : public EventPump {
 public:
  explicit QtEventPump(std::chrono::milliseconds interval = std::chrono::milliseconds(15))
      : interval_(interval) {}
  void Pump() override;
  // The next Pump dispatches whatever the clock says (at the start of a run).
  void Reset();

 private:
  static constexpr int kCallsPerClockRead = 64;

  std::chrono::steady_clock::duration interval_;
  std::chrono::steady_clock::time_point last_{};
  int countdown_ = 0;
};

}  // namespace pixmora

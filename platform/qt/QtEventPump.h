#pragma once

#include <chrono>

#include "platform/EventPump.h"

namespace pixmora {

// Dispatches pending events at most once per interval: often enough for a smooth bar and an
// immediate Cancel, rarely enough that a run does not live in the event loop.
class QtEventPump : public EventPump {
 public:
  explicit QtEventPump(std::chrono::milliseconds interval = std::chrono::milliseconds(15))
      : interval_(interval) {}
  void Pump() override;
  // Whether the next Pump would dispatch.
  bool Due() const { return std::chrono::steady_clock::now() - last_ >= interval_; }
  // Starts the interval anew at the start of a run. A run shorter than one interval then
  // dispatches nothing, and the windows repaint once after it instead of once per change.
  void Reset() { last_ = std::chrono::steady_clock::now(); }

 private:
  std::chrono::steady_clock::duration interval_;
  std::chrono::steady_clock::time_point last_{};
};

}  // namespace pixmora

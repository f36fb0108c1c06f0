#pragma once

namespace pixmora {

// Dispatches the window events that are pending, so a long run on the user-interface thread
// repaints and can be cancelled. Implementations may skip calls that come too soon after the
// last real dispatch.
class EventPump {
 public:
  virtual ~EventPump() = default;
  virtual void Pump() = 0;
};

}  // namespace pixmora

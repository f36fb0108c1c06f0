#include "ui/HeldCommands.h"

#include <algorithm>

namespace pixmora {

void HeldCommands::Run(const std::string& name, std::function<void()> command) {
  if (running_) {
    const auto held = std::find_if(held_.begin(), held_.end(),
                                   [&](const auto& entry) { return entry.first == name; });
    if (held != held_.end()) {
      held->second = std::move(command);
    } else {
      held_.emplace_back(name, std::move(command));
    }
    return;
  }
  while (command) {
    running_ = true;
    try {
      command();
    } catch (...) {
      // The failed command is reported by whoever catches this; those that waited for it
      // are dropped with it rather than run against a half-done state.
      running_ = false;
      held_.clear();
      throw;
    }
    running_ = false;
    command = nullptr;
    if (!held_.empty()) {
      command = std::move(held_.front().second);
      held_.erase(held_.begin());
    }
  }
}

void HeldCommands::Forget(const std::string& name) {
  std::erase_if(held_, [&](const auto& entry) { return entry.first == name; });
}

}  // namespace pixmora

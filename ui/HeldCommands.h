#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace pixmora {

// Runs the main window's commands one at a time. A command that arrives while another one runs
// (from an event that the running command's progress window, question or dialog dispatched)
// is held and runs once the running one has ended, so nothing changes the document under a
// command that is still reading it. A command that arrives again while it is held still runs
// once, at its first place in the queue, with what it brought last.
class HeldCommands {
 public:
  void Run(const std::string& name, std::function<void()> command);
  // Drops the held command of that name, if there is one.
  void Forget(const std::string& name);

 private:
  bool running_ = false;
  std::vector<std::pair<std::string, std::function<void()>>> held_;
};

}  // namespace pixmora

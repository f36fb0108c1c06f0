#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/MessageBox.h"

namespace pixmora {

// Test double: remembers every message box asked for and answers from a queue of
// prepared answers (the first button's answer when the queue is empty).
class RecordingMessageBox : public MessageBoxService {
 public:
  struct Shown {
    std::string text;
    std::string title;
    MessageIcon icon;
    MessageButtons buttons;
  };

  MessageResult Show(const std::string& text, const std::string& title, MessageIcon icon,
                     MessageButtons buttons) override {
    shown.push_back({text, title, icon, buttons});
    if (whileShown)
      whileShown();
    if (!answers.empty()) {
      MessageResult answer = answers.front();
      answers.pop_front();
      return answer;
    }
    return (buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel)
               ? MessageResult::Yes
               : MessageResult::OK;
  }

  std::vector<Shown> shown;
  std::deque<MessageResult> answers;
  // Runs while a box is up, as the events that the box's own event loop dispatches would.
  std::function<void()> whileShown;
};

}  // namespace pixmora

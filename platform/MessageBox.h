#pragma once

#include <string>

namespace pixmora {

enum class MessageIcon { None, Information, Question, Warning, Error };
enum class MessageButtons { OK, OKCancel, YesNo, YesNoCancel };
enum class MessageResult { OK, Cancel, Yes, No };

// A modal message box: the core asks, the desktop, the console or a test answers.
// Texts are Windows-1252 byte strings.
class MessageBoxService {
 public:
  virtual ~MessageBoxService() = default;
  virtual MessageResult Show(const std::string& text, const std::string& title, MessageIcon icon,
                             MessageButtons buttons) = 0;
};

}  // namespace pixmora

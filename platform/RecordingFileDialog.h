#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/FileDialog.h"

namespace pixmora {

// Test double: remembers every dialog shown and answers from a queue (cancel when empty).
class RecordingFileDialog : public FileDialogService {
 public:
  struct Shown {
    FileDialogOptions dialog;
    std::string startName;
  };

  std::optional<std::string> Run(const FileDialogOptions& dialog,
                                 const std::string& startName) override {
    shown.push_back({dialog, startName});
    if (answers.empty())
      return std::nullopt;
    auto answer = answers.front();
    answers.pop_front();
    return answer;
  }

  std::vector<Shown> shown;
  std::deque<std::optional<std::string>> answers;
};

}  // namespace pixmora

#pragma once

#include <string>
#include <vector>

#include "platform/Clipboard.h"

namespace pixmora {

// Test double: keeps every text put on the clipboard.
class RecordingClipboard : public ClipboardService {
 public:
  void SetText(const std::string& text) override { texts.push_back(text); }

  std::vector<std::string> texts;
};

}  // namespace pixmora

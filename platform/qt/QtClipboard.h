#pragma once

#include "platform/Clipboard.h"

namespace pixmora {

class QtClipboard : public ClipboardService {
 public:
  void SetText(const std::string& text) override;
};

}  // namespace pixmora

#pragma once

#include <string>

namespace pixmora {

// The system clipboard; text is Windows-1252 bytes.
class ClipboardService {
 public:
  virtual ~ClipboardService() = default;
  virtual void SetText(const std::string& text) = 0;
};

}  // namespace pixmora

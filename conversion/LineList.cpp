#include "conversion/LineList.h"

namespace pixmora {

std::string LineList::Text() const {
  std::size_t size = 0;
  for (const auto& line : lines_) size += line.size() + 2;
  std::string text;
  text.reserve(size);
  for (const auto& line : lines_) {
    text += line;
    text += "\r\n";
  }
  return text;
}

void LineList::SetText(std::string_view text) {
  lines_.clear();
  while (!text.empty()) {
    const std::size_t end = text.find("\r\n");
    if (end == std::string_view::npos) {
      lines_.emplace_back(text);
      break;
    }
    lines_.emplace_back(text.substr(0, end));
    text.remove_prefix(end + 2);
  }
}

}  // namespace pixmora

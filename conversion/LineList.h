#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pixmora {

// An ordered list of text lines; its text is every line followed by CR LF.
class LineList {
 public:
  void Clear() { lines_.clear(); }
  void Add(std::string line) { lines_.push_back(std::move(line)); }
  std::size_t Count() const { return lines_.size(); }
  const std::string& operator[](std::size_t i) const { return lines_[i]; }
  const std::vector<std::string>& Lines() const { return lines_; }

  std::string Text() const;
  // Replaces the content by the lines of text, split at each CR LF (a trailing CR LF ends the
  // last line rather than starting an empty one).
  void SetText(std::string_view text);

 private:
  std::vector<std::string> lines_;
};

}  // namespace pixmora

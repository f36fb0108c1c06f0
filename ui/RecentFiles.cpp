#include "ui/RecentFiles.h"

#include <algorithm>

namespace pixmora {

namespace {

char Upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

char Accelerator(std::size_t index) {
  return index < 9 ? static_cast<char>('1' + index) : static_cast<char>('A' + (index - 9));
}

}  // namespace

bool SameFileName(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return Upper(x) == Upper(y); });
}

void RecentFiles::Add(const std::string& name) {
  const auto same = std::find_if(entries_.begin(), entries_.end(), [&](const std::string& entry) {
    return SameFileName(entry, name);
  });
  if (same != entries_.end())
    entries_.erase(same);
  entries_.insert(entries_.begin(), name);
  if (entries_.size() > kMaxEntries)
    entries_.resize(kMaxEntries);
}

void RecentFiles::MoveToTop(std::size_t index) {
  if (index >= entries_.size())
    return;
  std::rotate(entries_.begin(), entries_.begin() + static_cast<std::ptrdiff_t>(index),
              entries_.begin() + static_cast<std::ptrdiff_t>(index) + 1);
}

void RecentFiles::Assign(const std::vector<std::string>& entries) {
  entries_.clear();
  for (const auto& name : entries) {
    if (name.empty())
      continue;
    entries_.push_back(name);
    if (entries_.size() == kMaxEntries)
      break;
  }
}

std::vector<std::string> RecentFiles::MenuCaptions() const {
  std::vector<std::string> captions;
  captions.reserve(entries_.size());
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    std::string caption{'&', Accelerator(i), ' '};
    for (char c : entries_[i]) {
      caption += c;
      if (c == '&')
        caption += '&';
    }
    captions.push_back(std::move(caption));
  }
  return captions;
}

}  // namespace pixmora

#include "conversion/LineList.h"

#include <algorithm>
#include <cstring>

namespace pixmora {

LineList::LineList(const LineList& other) {
  *this = other;
}

LineList& LineList::operator=(const LineList& other) {
  if (this == &other)
    return *this;
  Clear();
  Reserve(other.size_, other.starts_.size());
  if (other.size_ != 0)
    std::memcpy(data_.get(), other.data_.get(), other.size_);
  lead_ = other.lead_;
  size_ = other.size_;
  starts_ = other.starts_;
  return *this;
}

void LineList::Clear() {
  lead_ = 0;
  size_ = 0;
  starts_.clear();
}

void LineList::Add(std::string_view line) {
  Reserve(line.size() + 2, 1);
  char* out = Cursor();
  if (!line.empty())
    std::memcpy(out, line.data(), line.size());
  out += line.size();
  *out++ = '\r';
  *out++ = '\n';
  EndLine(out);
}

std::string_view LineList::Line(std::size_t i) const {
  const std::size_t end = i + 1 < starts_.size() ? starts_[i + 1] : size_;
  return {data_.get() + starts_[i], end - starts_[i] - 2};
}

std::vector<std::string> LineList::Lines() const {
  std::vector<std::string> lines;
  lines.reserve(Count());
  for (std::size_t i = 0; i < Count(); ++i)
    lines.emplace_back(Line(i));
  return lines;
}

void LineList::SetText(std::string_view text) {
  Clear();
  AddText(text);
}

void LineList::AddText(std::string_view text) {
  Reserve(text.size() + 2, 0);
  while (!text.empty()) {
    const std::size_t end = text.find("\r\n");
    if (end == std::string_view::npos) {
      Add(text);
      break;
    }
    Add(text.substr(0, end));
    text.remove_prefix(end + 2);
  }
}

void LineList::ReserveLead(std::size_t size) {
  if (!starts_.empty() || lead_ != 0)
    return;
  Reserve(size, 0);
  lead_ = size_ = size;
}

void LineList::SetLead(std::string_view lead) {
  if (lead.size() != lead_) {
    // Not the reserved size: move the lines to make it fit.
    const std::string_view text = TextView();
    std::unique_ptr<char[]> data(new char[lead.size() + text.size() + 1]);
    if (!text.empty())
      std::memcpy(data.get() + lead.size(), text.data(), text.size());
    for (std::size_t& start : starts_)
      start = start - lead_ + lead.size();
    size_ = lead.size() + text.size();
    capacity_ = size_ + 1;
    lead_ = lead.size();
    data_ = std::move(data);
  }
  if (!lead.empty())
    std::memcpy(data_.get(), lead.data(), lead.size());
}

void LineList::Grow(std::size_t moreBytes, std::size_t moreLines) {
  if (starts_.size() + moreLines > starts_.capacity()) {
    starts_.reserve(std::max(starts_.size() + moreLines, starts_.capacity() * 2));
  }
  if (size_ + moreBytes <= capacity_)
    return;
  const std::size_t capacity = std::max(size_ + moreBytes, capacity_ + capacity_ / 2);
  std::unique_ptr<char[]> data(new char[capacity]);
  if (size_ != 0)
    std::memcpy(data.get(), data_.get(), size_);
  data_ = std::move(data);
  capacity_ = capacity;
}

}  // namespace pixmora

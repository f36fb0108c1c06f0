#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pixmora {

// An ordered list of text lines; its text is every line followed by CR LF.
//
// The text is kept whole, in one buffer, with the start of every line beside it: a 4K image
// gives a million lines and about 100 MB of text, which must not cost a million allocations
// nor a copy to be read as a whole. A lead (the banner before the output lines) can sit in
// front of the first line in the same buffer, so the whole output text is one view as well.
class LineList {
 public:
  LineList() = default;
  LineList(const LineList& other);
  LineList& operator=(const LineList& other);
  LineList(LineList&&) noexcept = default;
  LineList& operator=(LineList&&) noexcept = default;

  void Clear();
  void Add(std::string_view line);
  std::size_t Count() const { return starts_.size(); }
  std::string_view Line(std::size_t i) const;
  std::string operator[](std::size_t i) const { return std::string(Line(i)); }
  std::vector<std::string> Lines() const;

  // The text without a copy; valid until the list changes.
  std::string_view TextView() const { return {data_.get() + lead_, size_ - lead_}; }
  std::string Text() const { return std::string(TextView()); }
  // Replaces the content by the lines of text, split at each CR LF (a trailing CR LF ends the
  // last line rather than starting an empty one).
  void SetText(std::string_view text);
  // Adds the lines of text after the present ones, split the same way.
  void AddText(std::string_view text);

  // Text in front of the first line that is not a line of the list; Clear drops it.
  // ReserveLead, on an empty list, keeps room for a lead of that size to be set later.
  void ReserveLead(std::size_t size);
  void SetLead(std::string_view lead);
  std::string_view Lead() const { return {data_.get(), lead_}; }
  // The lead followed by the text.
  std::string_view TextWithLead() const { return {data_.get(), size_}; }
  // Where each line starts, as offsets in TextWithLead.
  std::span<const std::size_t> Starts() const { return starts_; }

  // Writing many lines straight into the text: Reserve room first, write each line with its
  // CR LF at Cursor() (up to the reserved size), then EndLine(just past the CR LF).
  void Reserve(std::size_t moreBytes, std::size_t moreLines) {
    if (size_ + moreBytes > capacity_ || starts_.size() + moreLines > starts_.capacity()) {
      Grow(moreBytes, moreLines);
    }
  }
  char* Cursor() { return data_.get() + size_; }
  void EndLine(const char* next) {
    starts_.push_back(size_);
    size_ = static_cast<std::size_t>(next - data_.get());
  }

  // The bytes the text and the line index hold, kept capacity included.
  std::size_t HeldBytes() const { return capacity_ + starts_.capacity() * sizeof(std::size_t); }

  bool operator==(const LineList& other) const { return TextView() == other.TextView(); }

 private:
  void Grow(std::size_t moreBytes, std::size_t moreLines);

  std::unique_ptr<char[]> data_;  // not zero-filled: every byte up to size_ is written first
  std::size_t lead_ = 0;          // the lead is data_[0, lead_), the lines follow
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
  std::vector<std::size_t> starts_;  // offsets in data_, lead included
};

}  // namespace pixmora

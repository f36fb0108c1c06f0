#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace pixmora {

// Where each line of a text starts, as offsets in the text, in ascending order. The index may
// borrow the bulk of its entries from an index its owner keeps (the engine's, a million lines
// of a 4K picture), shifted by a constant, with a few lines of its own before and after them:
// the output window then neither copies nor shifts eight bytes a line for every result.
class LineStarts {
 public:
  std::size_t size() const { return head_.size() + borrowed_.size() + tail_.size(); }
  std::size_t operator[](std::size_t i) const {
    if (i < head_.size())
      return head_[i];
    i -= head_.size();
    // Offsets wrap like any unsigned value, so a shift towards the front is a subtraction.
    return i < borrowed_.size() ? borrowed_[i] - shift_ : tail_[i - borrowed_.size()];
  }
  std::size_t back() const { return (*this)[size() - 1]; }

  // Only the given starts, owned; the vector keeps its capacity for the next text.
  std::vector<std::size_t>& Own();
  // `head`, then borrowed[i] - shift for every borrowed entry; lines after them go to Tail().
  // The borrowed entries are not copied: their owner keeps them unchanged while they are shown.
  void Borrow(std::vector<std::size_t> head, std::span<const std::size_t> borrowed,
              std::size_t shift);
  std::vector<std::size_t>& Tail() { return tail_; }

  // Every start moves `by` further into the text (a head put in front of it); then the first
  // `count` entries give way to `front`.
  void ShiftAndReplaceFront(std::size_t by, std::size_t count, std::span<const std::size_t> front);

  // The line that holds an offset: the last start at or before it.
  std::size_t LineOf(std::size_t offset) const;

  // Gives back the memory of the entries it owns and borrows nothing.
  void Release();
  std::size_t OwnedBytes() const {
    return (head_.capacity() + tail_.capacity()) * sizeof(std::size_t);
  }

 private:
  std::vector<std::size_t> head_;
  std::span<const std::size_t> borrowed_;
  std::size_t shift_ = 0;
  std::vector<std::size_t> tail_;
};

}  // namespace pixmora

#include "ui/LineStarts.h"

#include <algorithm>

#include "ui/TextSearch.h"

namespace pixmora {

std::vector<std::size_t>& LineStarts::Own() {
  borrowed_ = {};
  shift_ = 0;
  tail_.clear();
  return head_;
}

void LineStarts::Borrow(std::vector<std::size_t> head, std::span<const std::size_t> borrowed,
                        std::size_t shift) {
  head_ = std::move(head);
  borrowed_ = borrowed;
  shift_ = shift;
  tail_.clear();
}

void LineStarts::ShiftAndReplaceFront(std::size_t by, std::size_t count,
                                      std::span<const std::size_t> front) {
  for (std::size_t& start : head_)
    start += by;
  shift_ -= by;
  for (std::size_t& start : tail_)
    start += by;
  const std::size_t fromHead = std::min(count, head_.size());
  head_.erase(head_.begin(), head_.begin() + static_cast<std::ptrdiff_t>(fromHead));
  count -= fromHead;
  const std::size_t fromBorrowed = std::min(count, borrowed_.size());
  borrowed_ = borrowed_.subspan(fromBorrowed);
  count -= fromBorrowed;
  tail_.erase(tail_.begin(),
              tail_.begin() + static_cast<std::ptrdiff_t>(std::min(count, tail_.size())));
  head_.insert(head_.begin(), front.begin(), front.end());
}

std::size_t LineStarts::LineOf(std::size_t offset) const {
  const std::size_t tailFrom = head_.size() + borrowed_.size();
  if (!tail_.empty() && tail_.front() <= offset)
    return tailFrom + LineOfOffset(tail_, offset);
  // An offset at or after the first borrowed start is shifted as the borrowed entries are.
  if (!borrowed_.empty() && borrowed_.front() - shift_ <= offset)
    return head_.size() + LineOfOffset(borrowed_, offset + shift_);
  return LineOfOffset(head_, offset);
}

void LineStarts::Release() {
  head_ = std::vector<std::size_t>();
  borrowed_ = {};
  shift_ = 0;
  tail_ = std::vector<std::size_t>();
}

}  // namespace pixmora

#pragma once

#include <cstdint>

namespace pixmora {

// The run-length coding of CompressRuns one value at a time, so that a stream of any length is
// coded without holding its input: a value not followed by an equal one stands for itself; a
// run of L equal values (2 <= L <= maxCount + 2) becomes v, v, L - 2.
template <class Value>
class RunCoder {
 public:
  explicit RunCoder(std::uint32_t maxCount) : longest_(std::uint64_t{maxCount} + 2) {}

  // Takes the next value; when it ends a group (a single value or a run), the group's codes go
  // to `emit` and the result is true.
  template <class Emit>
  bool Put(Value value, Emit&& emit) {
    if (length_ > 0 && value == value_ && length_ < longest_) {
      ++length_;
      return false;
    }
    const bool ended = Finish(emit);
    value_ = value;
    length_ = 1;
    return ended;
  }

  // Codes the last group; true when there was one.
  template <class Emit>
  bool Finish(Emit&& emit) {
    if (length_ == 0)
      return false;
    emit(value_);
    if (length_ > 1) {
      emit(value_);
      emit(static_cast<Value>(length_ - 2));
    }
    length_ = 0;
    return true;
  }

 private:
  std::uint64_t longest_;
  Value value_{};
  std::uint64_t length_ = 0;
};

}  // namespace pixmora

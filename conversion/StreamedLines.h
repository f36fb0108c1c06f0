#pragma once

#include <cstddef>
#include <cstdint>

#include "conversion/HexCells.h"
#include "conversion/OutputFormat.h"

namespace pixmora {

// The data lines FormatLines writes, made a piece at a time: each call turns the next values
// into text at a caller's buffer, so no list of the whole text is held. Lines end in CR LF.
class StreamedLines {
 public:
  // `count` is the number of values in all: the last one goes without its separator.
  StreamedLines(const OutputFormat& format, int digits, std::uint64_t count);

  // The most bytes Put writes for n values, Finish included (with room for whole-cell stores).
  std::size_t MaxTextSize(std::size_t n) const;
  // Writes the text of the next n values at `out`; returns its end. Values fit `digits`.
  template <class Value>
  char* Put(const Value* values, std::size_t n, char* out);
  // The closing line, after the last value.
  char* Finish(char* out) const;

 private:
  template <int Digits, bool Short, class Value>
  char* PutAs(const Value* values, std::size_t n, char* out);

  OutputFormat format_;
  Cell cell_;
  ShortCells cells_;
  std::size_t perLine_;
  std::uint64_t count_;
  std::uint64_t written_ = 0;
  std::size_t inLine_ = 0;
};

}  // namespace pixmora

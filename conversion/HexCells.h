#pragma once

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

#include "conversion/HexNumbers.h"
#include "conversion/OutputFormat.h"

// The writing of hex values into text, shared by the engine's lines and the streamed output.

namespace pixmora {

// The most digits a value can need; only a value wider than its digits gets more than 4.
constexpr std::size_t kMaxDigits = 8;
constexpr std::size_t kShortCell = 16;

// The text of one value: HexPrefix, the digits, HexSuffix and Separator. Each value is written
// as a copy of this template with its digits patched in; a short cell is one 16-byte store.
struct Cell {
  explicit Cell(const OutputFormat& format, int digits)
      : text(format.HexPrefix + std::string(static_cast<std::size_t>(digits), '0') +
             format.HexSuffix + format.Separator),
        digitsAt(format.HexPrefix.size()),
        digits(static_cast<std::size_t>(digits)),
        length(text.size()),
        separatorLength(format.Separator.size()) {
    text.resize(std::max(text.size(), kShortCell), ' ');
  }

  std::string text;  // at least kShortCell bytes; `length` of them belong to the value
  std::size_t digitsAt;
  std::size_t digits;
  std::size_t length;
  std::size_t separatorLength;
};

inline char* WriteWideValue(char* out, std::uint32_t value, const Cell& cell) {
  std::memcpy(out, cell.text.data(), cell.digitsAt);
  out = WriteWideHex(out + cell.digitsAt, value);
  const std::size_t tailAt = cell.digitsAt + cell.digits;
  std::memcpy(out, cell.text.data() + tailAt, cell.length - tailAt);
  return out + (cell.length - tailAt);
}

// What the hot loop needs of a cell, held in locals so that the byte stores cannot alias it.
struct CellWriter {
  // For short cells: the whole cell with the pair of digits of every byte value in place (the
  // high pair of a 4-digit value; its low pair is patched in).
  const std::array<char, kShortCell>* cells;
  const char* pattern;  // long cells: copied whole, digits written over it
  std::size_t digitsAt;
  std::size_t length;
};

template <int Digits, bool Short, class Value>
char* WriteValues(char* out, const Value* values, std::size_t count, CellWriter writer,
                  const Cell& cell) {
  constexpr std::uint32_t kLimit = Digits == 2 ? 0xFFu : 0xFFFFu;
  for (std::size_t i = 0; i < count; ++i) {
    const auto value = static_cast<std::uint32_t>(values[i]);
    if (value > kLimit) [[unlikely]] {
      out = WriteWideValue(out, value, cell);
      continue;
    }
    if constexpr (Short) {
      std::memcpy(out, writer.cells[Digits == 2 ? value : value >> 8].data(), kShortCell);
      if constexpr (Digits == 4)
        std::memcpy(out + writer.digitsAt + 2, &kHexPairs[value & 0xFF], 2);
    } else {
      std::memcpy(out, writer.pattern, writer.length);
      WriteHex(out + writer.digitsAt, value, Digits);
    }
    out += writer.length;
  }
  return out;
}

// The first kShortCell bytes of the cell of every byte value; for a short cell with the two
// digits already in place.
using ShortCells = std::array<std::array<char, kShortCell>, 256>;

inline ShortCells MakeShortCells(const Cell& cell) {
  ShortCells cells;
  for (std::size_t v = 0; v < cells.size(); ++v) {
    std::memcpy(cells[v].data(), cell.text.data(), kShortCell);
    if (cell.length <= kShortCell)
      std::memcpy(cells[v].data() + cell.digitsAt, &kHexPairs[v], 2);
  }
  return cells;
}

}  // namespace pixmora

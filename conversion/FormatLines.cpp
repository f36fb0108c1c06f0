#include "conversion/FormatLines.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "conversion/HexNumbers.h"

namespace pixmora {

namespace {

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

char* WriteWideValue(char* out, std::uint32_t value, const Cell& cell) {
  std::memcpy(out, cell.text.data(), cell.digitsAt);
  out = WriteWideHex(out + cell.digitsAt, value);
  const std::size_t tailAt = cell.digitsAt + cell.digits;
  std::memcpy(out, cell.text.data() + tailAt, cell.length - tailAt);
  return out + (cell.length - tailAt);
}

template <int Digits, bool Short>
bool WriteLines(std::span<const std::int32_t> values, LineList& lines, const OutputFormat& format,
                const Cell& cell, Progress& progress) {
  constexpr std::uint32_t kLimit = Digits == 2 ? 0xFFu : 0xFFFFu;
  const std::size_t perLine = static_cast<std::size_t>(format.ValuesPerLine);
  const std::size_t count = values.size();
  const std::size_t lineCount = (count + perLine - 1) / perLine;
  const std::string& rowPrefix = format.RowPrefix;
  const std::size_t worstLine =
      rowPrefix.size() + perLine * (cell.length + kMaxDigits) + 2 + kShortCell;
  // Locals, so that the byte stores of the text cannot alias them.
  const std::size_t length = cell.length;
  const std::size_t digitsAt = cell.digitsAt;
  char pattern[kShortCell];
  std::memcpy(pattern, cell.text.data(), kShortCell);
  const char* longPattern = cell.text.data();

  auto write = [&](char* out, std::uint32_t value) {
    if (value > kLimit) [[unlikely]] {
      return WriteWideValue(out, value, cell);
    }
    if constexpr (Short) {
      std::memcpy(out, pattern, kShortCell);
    } else {
      std::memcpy(out, longPattern, length);
    }
    WriteHex(out + digitsAt, value, Digits);
    return out + length;
  };

  for (std::size_t line = 0; line < lineCount; ++line) {
    const std::size_t begin = line * perLine;
    const std::size_t end = std::min(count, begin + perLine);
    lines.Reserve(worstLine, 1);
    char* out = lines.Cursor();
    std::memcpy(out, rowPrefix.data(), rowPrefix.size());
    out += rowPrefix.size();
    const std::int32_t* value = values.data() + begin;
    const std::size_t n = end - begin;
    if (progress.Skip(static_cast<std::int64_t>(n))) {
      for (std::size_t i = 0; i < n; ++i)
        out = write(out, static_cast<std::uint32_t>(value[i]));
    } else {
      for (std::size_t i = 0; i < n; ++i) {
        if (progress.Unit(static_cast<std::int64_t>(line)))
          return false;
        out = write(out, static_cast<std::uint32_t>(value[i]));
      }
    }
    if (end == count)
      out -= cell.separatorLength;
    out[0] = '\r';
    out[1] = '\n';
    lines.EndLine(out + 2);
  }
  return true;
}

}  // namespace

bool FormatLines(std::span<const std::int32_t> values, LineList& lines, int digits,
                 const OutputFormat& format, Progress& progress) {
  lines.Clear();
  return AppendFormattedLines(values, lines, digits, format, progress);
}

bool AppendFormattedLines(std::span<const std::int32_t> values, LineList& lines, int digits,
                          const OutputFormat& format, Progress& progress) {
  const std::size_t perLine = static_cast<std::size_t>(std::max(format.ValuesPerLine, 1));
  OutputFormat checked = format;
  checked.ValuesPerLine = static_cast<int>(perLine);
  progress.RestartBar(static_cast<std::int64_t>(values.size() / perLine));

  const Cell cell(checked, digits);
  const std::size_t lineCount = (values.size() + perLine - 1) / perLine;
  const std::size_t text = values.size() * cell.length +
                           lineCount * (checked.RowPrefix.size() + 2) + checked.CloseBrace.size() +
                           2 + perLine * kMaxDigits + kShortCell;
  lines.Reserve(text, lineCount + 1);

  const bool isShort = cell.length <= kShortCell;
  bool completed;
  if (digits == 4) {
    completed = isShort ? WriteLines<4, true>(values, lines, checked, cell, progress)
                        : WriteLines<4, false>(values, lines, checked, cell, progress);
  } else {
    completed = isShort ? WriteLines<2, true>(values, lines, checked, cell, progress)
                        : WriteLines<2, false>(values, lines, checked, cell, progress);
  }
  if (!completed)
    return false;
  lines.Add(checked.CloseBrace);
  return true;
}

}  // namespace pixmora

#include "conversion/FormatLines.h"

#include <algorithm>
#include <array>
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

// What the hot loop needs of a cell, held in locals so that the byte stores cannot alias it.
struct CellWriter {
  // For short cells: the whole cell with the pair of digits of every byte value in place (the
  // high pair of a 4-digit value; its low pair is patched in).
  const std::array<char, kShortCell>* cells;
  const char* pattern;  // long cells: copied whole, digits written over it
  std::size_t digitsAt;
  std::size_t length;
};

template <int Digits, bool Short>
char* WriteValues(char* out, const std::int32_t* values, std::size_t count, CellWriter writer,
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

template <int Digits, bool Short>
bool WriteLines(std::span<const std::int32_t> values, LineList& lines, const OutputFormat& format,
                const Cell& cell, Progress& progress) {
  const std::size_t perLine = static_cast<std::size_t>(format.ValuesPerLine);
  const std::size_t count = values.size();
  const std::size_t lineCount = (count + perLine - 1) / perLine;
  const std::string& rowPrefix = format.RowPrefix;
  const std::size_t worstLine =
      rowPrefix.size() + perLine * (cell.length + kMaxDigits) + 2 + kShortCell;

  std::array<std::array<char, kShortCell>, 256> cells;
  for (std::size_t v = 0; v < cells.size(); ++v) {
    std::memcpy(cells[v].data(), cell.text.data(), kShortCell);
    if (Short)
      std::memcpy(cells[v].data() + cell.digitsAt, &kHexPairs[v], 2);
  }
  const CellWriter writer{cells.data(), cell.text.data(), cell.digitsAt, cell.length};
  // A short row prefix goes as one fixed-size store too (the cells overwrite its padding).
  const bool prefixIsShort = rowPrefix.size() <= kShortCell;
  std::array<char, kShortCell> prefix{};
  if (prefixIsShort)
    std::memcpy(prefix.data(), rowPrefix.data(), rowPrefix.size());

  for (std::size_t line = 0; line < lineCount; ++line) {
    const std::size_t begin = line * perLine;
    const std::size_t end = std::min(count, begin + perLine);
    lines.Reserve(worstLine, 1);
    char* out = lines.Cursor();
    if (prefixIsShort) {
      std::memcpy(out, prefix.data(), kShortCell);
    } else {
      std::memcpy(out, rowPrefix.data(), rowPrefix.size());
    }
    out += rowPrefix.size();
    const std::int32_t* value = values.data() + begin;
    const std::size_t n = end - begin;
    if (progress.Skip(static_cast<std::int64_t>(n))) {
      out = WriteValues<Digits, Short>(out, value, n, writer, cell);
    } else {
      for (std::size_t i = 0; i < n; ++i) {
        if (progress.Unit(static_cast<std::int64_t>(line)))
          return false;
        out = WriteValues<Digits, Short>(out, value + i, 1, writer, cell);
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

std::size_t FormattedTextSize(std::span<const std::int32_t> values, int digits,
                              const OutputFormat& format) {
  const std::size_t perLine = static_cast<std::size_t>(std::max(format.ValuesPerLine, 1));
  const std::size_t lineCount = (values.size() + perLine - 1) / perLine;
  std::size_t size = lineCount * (format.RowPrefix.size() + 2) + format.CloseBrace.size() + 2;
  for (const std::int32_t value : values) {
    size += format.HexPrefix.size() +
            static_cast<std::size_t>(HexLength(static_cast<std::uint32_t>(value), digits)) +
            format.HexSuffix.size() + format.Separator.size();
  }
  if (!values.empty())
    size -= format.Separator.size();
  return size;
}

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

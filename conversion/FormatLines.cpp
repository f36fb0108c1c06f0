#include "conversion/FormatLines.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

#include "conversion/HexCells.h"

namespace pixmora {

namespace {

template <int Digits, bool Short>
bool WriteLines(std::span<const std::int32_t> values, LineList& lines, const OutputFormat& format,
                const Cell& cell, Progress& progress) {
  const std::size_t perLine = static_cast<std::size_t>(format.ValuesPerLine);
  const std::size_t count = values.size();
  const std::size_t lineCount = (count + perLine - 1) / perLine;
  const std::string& rowPrefix = format.RowPrefix;
  const std::size_t worstLine =
      rowPrefix.size() + perLine * (cell.length + kMaxDigits) + 2 + kShortCell;

  const ShortCells cells = MakeShortCells(cell);
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

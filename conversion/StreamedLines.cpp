#include "conversion/StreamedLines.h"

namespace pixmora {

namespace {

OutputFormat Checked(OutputFormat format) {
  format.ValuesPerLine = std::max(format.ValuesPerLine, 1);
  return format;
}

}  // namespace

StreamedLines::StreamedLines(const OutputFormat& format, int digits, std::uint64_t count)
    : format_(Checked(format)),
      cell_(format_, digits),
      cells_(MakeShortCells(cell_)),
      perLine_(static_cast<std::size_t>(format_.ValuesPerLine)),
      count_(count) {}

std::size_t StreamedLines::MaxTextSize(std::size_t n) const {
  const std::size_t lines = n / perLine_ + 2;
  return n * (cell_.length + kMaxDigits) + lines * (format_.RowPrefix.size() + 2) +
         format_.CloseBrace.size() + 2 + kShortCell;
}

template <class Value>
char* StreamedLines::Put(const Value* values, std::size_t n, char* out) {
  const bool isShort = cell_.length <= kShortCell;
  if (cell_.digits == 4)
    return isShort ? PutAs<4, true>(values, n, out) : PutAs<4, false>(values, n, out);
  return isShort ? PutAs<2, true>(values, n, out) : PutAs<2, false>(values, n, out);
}

template <int Digits, bool Short, class Value>
char* StreamedLines::PutAs(const Value* values, std::size_t n, char* out) {
  const CellWriter writer{cells_.data(), cell_.text.data(), cell_.digitsAt, cell_.length};
  const std::string& prefix = format_.RowPrefix;
  while (n > 0) {
    if (inLine_ == 0) {
      std::memcpy(out, prefix.data(), prefix.size());
      out += prefix.size();
    }
    const std::size_t take = std::min(n, perLine_ - inLine_);
    out = WriteValues<Digits, Short>(out, values, take, writer, cell_);
    values += take;
    n -= take;
    inLine_ += take;
    written_ += take;
    if (inLine_ == perLine_ || written_ == count_) {
      if (written_ == count_)
        out -= cell_.separatorLength;
      out[0] = '\r';
      out[1] = '\n';
      out += 2;
      inLine_ = 0;
    }
  }
  return out;
}

char* StreamedLines::Finish(char* out) const {
  std::memcpy(out, format_.CloseBrace.data(), format_.CloseBrace.size());
  out += format_.CloseBrace.size();
  out[0] = '\r';
  out[1] = '\n';
  return out + 2;
}

template char* StreamedLines::Put(const std::uint8_t*, std::size_t, char*);
template char* StreamedLines::Put(const std::uint16_t*, std::size_t, char*);

}  // namespace pixmora

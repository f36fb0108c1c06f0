#pragma once

// The readers behind ArrayText, one per syntax. Each walks the text once and hands every array
// opening and every value to a sink:
//   void Open(std::size_t line, std::size_t maxValues);  // no more values can follow
//   bool Value(std::uint16_t value, TextPlace place);  // false stops the walk
// so that one walk collects the values and another finds the place of a value after a fault.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "decode/ArrayText.h"
#include "decode/HexDigits.h"

namespace pixmora::scan {

struct ScanError {
  TextPlace place;
  std::string reason;
};

// Up to 16 characters of the text at `at`, for messages, without its line end.
std::string Excerpt(const char* at, const char* end);

class Cursor {
 public:
  explicit Cursor(std::string_view text)
      : begin_(text.data()), end_(text.data() + text.size()), lineStart_(begin_) {}

  const char* Begin() const { return begin_; }
  const char* End() const { return end_; }
  std::size_t Line() const { return line_; }
  void NewLine(const char* next) {
    ++line_;
    lineStart_ = next;
  }
  TextPlace Place(const char* at) const {
    return {line_, static_cast<std::size_t>(at - lineStart_) + 1};
  }
  ScanError Error(const char* at, std::string reason) const {
    return {Place(at), std::move(reason)};
  }
  // "expected WANTED, found ..." with what stands at `at`.
  ScanError Unexpected(const char* at, std::string_view wanted) const;
  // The same for a token of the format: "expected "TOKEN" ROLE, found ...".
  ScanError MissingToken(const char* at, std::string_view token, std::string_view role) const;
  // At the end of the text: the array that opened at `openLine` has not been closed.
  ScanError UnclosedArray(std::size_t openLine) const;

 private:
  const char* begin_;
  const char* end_;
  const char* lineStart_;
  std::size_t line_ = 1;
};

inline bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

inline bool IsWordChar(char c) {
  return IsHexDigit(c) || (c >= 'G' && c <= 'Z') || (c >= 'g' && c <= 'z') || c == '_';
}

// Whether the text at `p` (up to `limit`) starts with `word`; BASIC words in any case.
bool StartsWith(const char* p, const char* limit, std::string_view word, bool anyCase);

// Some digits, at most 16 bits, and no letter glued to them (0x12u, 0xZZ).
inline bool IsCleanValue(const HexRun& run, const char* end) {
  return run.digits != 0 && run.value <= 0xFFFF && (run.end == end || !IsWordChar(*run.end));
}

// What is wrong with the value at `at` whose digits are `run`: too wide, or not `wanted`.
ScanError ValueFault(const Cursor& cursor, const char* at, const HexRun& run,
                     std::string_view wanted);

// Skips a C comment starting at `p` ("/*" or "//"), counting its line ends; nullptr when a
// block comment is not closed.
const char* SkipCComment(Cursor& cursor, const char* p);

// Skips blanks, line ends and C comments; nullptr when a comment is not closed, with `error`
// saying where it opened.
inline const char* SkipCSpace(Cursor& cursor, const char* p, std::optional<ScanError>& error) {
  const char* const end = cursor.End();
  while (p < end) {
    const char c = *p;
    if (c == ' ' || c == '\r' || c == '\t' || c == '\f' || c == '\v') {
      ++p;
    } else if (c == '\n') {
      cursor.NewLine(++p);
    } else if (c == '/' && p + 1 < end && (p[1] == '*' || p[1] == '/')) {
      const Cursor before = cursor;
      const char* next = SkipCComment(cursor, p);
      if (next == nullptr) {
        error = before.Error(p, "the comment is not closed");
        return nullptr;
      }
      p = next;
    } else {
      break;
    }
  }
  return p;
}

// Skips the rest of a brace block at `p` (just inside it), nested braces included; nullptr when
// the text ends first.
const char* SkipBlock(Cursor& cursor, const char* p);

template <class Sink>
std::optional<ScanError> ScanCArray(std::string_view text, Sink& sink) {
  Cursor cursor(text);
  const char* p = cursor.Begin();
  const char* const end = cursor.End();
  std::optional<ScanError> error;
  for (;;) {
    // Outside the braces only comments count: declarations, names and the like are skipped.
    p = SkipCSpace(cursor, p, error);
    if (p == nullptr)
      return error;
    if (p == end)
      return std::nullopt;
    if (*p++ != '{')
      continue;
    const std::size_t openLine = cursor.Line();
    p = SkipCSpace(cursor, p, error);
    if (p == nullptr)
      return error;
    // A brace that opens no list of values: an LVGL descriptor's named fields, the extern "C"
    // block of a header.
    if (p < end && (*p == '.' || *p == '#')) {
      p = SkipBlock(cursor, p);
      if (p == nullptr)
        return cursor.UnclosedArray(openLine);
      continue;
    }
    // Every value takes at least four characters: "0x0,".
    sink.Open(openLine, static_cast<std::size_t>(end - p) / 4 + 1);
    for (;;) {
      // The values of a line follow each other as "0x1F, 0x20": one blank, then the value.
      if (p < end && *p == ' ')
        ++p;
      if (p == end || *p != '0') {
        p = SkipCSpace(cursor, p, error);
        if (p == nullptr)
          return error;
        if (p == end)
          return cursor.UnclosedArray(openLine);
        if (*p == '}') {
          ++p;
          break;
        }
      }
      if (*p != '0' || p + 1 == end || (p[1] | 0x20) != 'x')
        return cursor.Unexpected(p, "a value such as 0x1F");
      const HexRun run = ReadHexDigits(p + 2, end);
      if (!IsCleanValue(run, end))
        return ValueFault(cursor, p, run, "a value such as 0x1F");
      if (!sink.Value(static_cast<std::uint16_t>(run.value), cursor.Place(p)))
        return std::nullopt;
      p = run.end;
      if (p < end && *p == ',') {
        ++p;
        continue;
      }
      p = SkipCSpace(cursor, p, error);
      if (p == nullptr)
        return error;
      if (p == end)
        return cursor.UnclosedArray(openLine);
      if (*p == '}') {
        ++p;
        break;
      }
      if (*p != ',')
        return cursor.Unexpected(p, "a comma or } after the value");
      ++p;
    }
  }
}

template <class Sink>
std::optional<ScanError> ScanPlainList(std::string_view text, Sink& sink) {
  Cursor cursor(text);
  const char* p = cursor.Begin();
  const char* const end = cursor.End();
  sink.Open(1, text.size() / 2 + 1);
  while (p < end) {
    const char c = *p;
    if (c == '\n') {
      cursor.NewLine(++p);
      continue;
    }
    if (IsBlank(c) || c == '\r' || c == ',') {
      ++p;
      continue;
    }
    const char* digits = p;
    if (c == '0' && p + 1 < end && (p[1] == 'x' || p[1] == 'X'))
      digits += 2;
    const HexRun run = ReadHexDigits(digits, end);
    if (!IsCleanValue(run, end))
      return ValueFault(cursor, p, run, "a hexadecimal value");
    if (!sink.Value(static_cast<std::uint16_t>(run.value), cursor.Place(p)))
      return std::nullopt;
    p = run.end;
  }
  return std::nullopt;
}

// What the line-based formats (BASIC, custom) write around their values.
struct LineTokens {
  bool basic = false;          // keywords and &h in any case, "%" optional, strict lines
  std::string_view rowPrefix;  // custom: starts every data line
  std::string_view hexPrefix;
  std::string_view hexSuffix;
  std::string_view separator;  // without blanks around it; may be empty
  std::string_view openLine;   // custom: the line that opens an array, without end blanks
};

enum class LineKind { Ignored, Data, Opening, Unknown };

// What a line (without its end blanks and line end) is, and where its values start.
LineKind ClassifyLine(std::string_view line, const LineTokens& tokens, std::size_t& valuesAt);

// The hexadecimal digits of a value at `p`, leaving room for a suffix that starts with a digit.
HexRun ReadValueDigits(const char* p, const char* limit, std::string_view suffix, bool anyCase);

template <class Sink>
std::optional<ScanError> ScanDataLine(const Cursor& cursor, const char* p, const char* lineEnd,
                                      const LineTokens& tokens, Sink& sink, bool& stopped) {
  while (p < lineEnd && IsBlank(*p))
    ++p;
  while (p < lineEnd) {
    if (!StartsWith(p, lineEnd, tokens.hexPrefix, tokens.basic))
      return cursor.MissingToken(p, tokens.hexPrefix, "and a value");
    const char* start = p;
    p += tokens.hexPrefix.size();
    const HexRun run = ReadValueDigits(p, lineEnd, tokens.hexSuffix, tokens.basic);
    if (run.digits == 0 || run.value > 0xFFFF)
      return ValueFault(cursor, start, run, "a hexadecimal value");
    p = run.end;
    if (StartsWith(p, lineEnd, tokens.hexSuffix, tokens.basic)) {
      p += tokens.hexSuffix.size();
    } else if (!tokens.basic) {
      return cursor.MissingToken(p, tokens.hexSuffix, "after the value");
    }
    if (!sink.Value(static_cast<std::uint16_t>(run.value), cursor.Place(start))) {
      stopped = true;
      return std::nullopt;
    }
    const char* afterValue = p;
    while (p < lineEnd && IsBlank(*p))
      ++p;
    if (p == lineEnd)
      break;
    if (!tokens.separator.empty()) {
      if (!StartsWith(p, lineEnd, tokens.separator, false))
        return cursor.MissingToken(p, tokens.separator, "between values");
      p += tokens.separator.size();
      while (p < lineEnd && IsBlank(*p))
        ++p;
    } else if (p == afterValue) {
      return cursor.Unexpected(p, "a blank between values");
    }
  }
  return std::nullopt;
}

template <class Sink>
std::optional<ScanError> ScanLines(std::string_view text, const LineTokens& tokens, Sink& sink) {
  Cursor cursor(text);
  const char* p = cursor.Begin();
  const char* const end = cursor.End();
  bool opened = false;
  while (p < end) {
    const char* next = static_cast<const char*>(std::memchr(p, '\n', end - p));
    const char* lineEnd = next == nullptr ? end : next;
    while (lineEnd > p && (lineEnd[-1] == '\r' || IsBlank(lineEnd[-1])))
      --lineEnd;
    std::size_t valuesAt = 0;
    switch (ClassifyLine({p, static_cast<std::size_t>(lineEnd - p)}, tokens, valuesAt)) {
      case LineKind::Ignored:
        break;
      case LineKind::Opening:
        sink.Open(cursor.Line(), static_cast<std::size_t>(end - p) / 2 + 1);
        opened = true;
        break;
      case LineKind::Data: {
        if (!opened) {
          sink.Open(cursor.Line(), static_cast<std::size_t>(end - p) / 2 + 1);
          opened = true;
        }
        bool stopped = false;
        if (auto error = ScanDataLine(cursor, p + valuesAt, lineEnd, tokens, sink, stopped))
          return error;
        if (stopped)
          return std::nullopt;
        break;
      }
      case LineKind::Unknown:
        return cursor.Unexpected(p, "a Data line, a label or a comment");
    }
    if (next == nullptr)
      break;
    p = next + 1;
    cursor.NewLine(p);
  }
  return std::nullopt;
}

}  // namespace pixmora::scan

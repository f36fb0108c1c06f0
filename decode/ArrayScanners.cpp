#include "decode/ArrayScanners.h"

namespace pixmora::scan {

namespace {

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// `word` followed by a blank or the end of the line, in any case.
bool StartsWithKeyword(std::string_view line, std::string_view word) {
  return StartsWith(line.data(), line.data() + line.size(), word, true) &&
         (line.size() == word.size() || IsBlank(line[word.size()]));
}

}  // namespace

std::string Excerpt(const char* at, const char* end) {
  std::string text;
  for (; at < end && text.size() < 16 && *at != '\r' && *at != '\n'; ++at) {
    const auto c = static_cast<unsigned char>(*at);
    text += c < 0x20 || c == 0x7F ? '?' : static_cast<char>(c);
  }
  return text;
}

ScanError Cursor::Unexpected(const char* at, std::string_view wanted) const {
  std::string found = "the line end";
  if (at < end_ && *at != '\r' && *at != '\n')
    found = '"' + Excerpt(at, end_) + '"';
  std::string reason = "expected ";
  reason.append(wanted).append(", found ").append(found);
  return Error(at, std::move(reason));
}

ScanError Cursor::MissingToken(const char* at, std::string_view token,
                               std::string_view role) const {
  std::string wanted = "\"";
  wanted.append(token).append("\" ").append(role);
  return Unexpected(at, wanted);
}

ScanError Cursor::UnclosedArray(std::size_t openLine) const {
  std::string reason = "the array opened at line ";
  reason.append(std::to_string(openLine)).append(" has no closing brace");
  return Error(end_, std::move(reason));
}

bool StartsWith(const char* p, const char* limit, std::string_view word, bool anyCase) {
  if (static_cast<std::size_t>(limit - p) < word.size())
    return false;
  if (!anyCase)
    return std::memcmp(p, word.data(), word.size()) == 0;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (Lower(p[i]) != Lower(word[i]))
      return false;
  }
  return true;
}

ScanError ValueFault(const Cursor& cursor, const char* at, const HexRun& run,
                     std::string_view wanted) {
  if (run.value > 0xFFFF)
    return cursor.Error(at, "the value \"" + Excerpt(at, run.end) + "\" is wider than 16 bits");
  const bool glued = run.end < cursor.End() && IsWordChar(*run.end);
  return cursor.Unexpected(at, run.digits == 0 && !glued ? "a hexadecimal value" : wanted);
}

const char* SkipCComment(Cursor& cursor, const char* p) {
  const char* const end = cursor.End();
  if (p[1] == '/') {
    const void* lineEnd = std::memchr(p, '\n', static_cast<std::size_t>(end - p));
    return lineEnd == nullptr ? end : static_cast<const char*>(lineEnd);
  }
  for (p += 2; p + 1 < end; ++p) {
    if (*p == '\n') {
      cursor.NewLine(p + 1);
    } else if (p[0] == '*' && p[1] == '/') {
      return p + 2;
    }
  }
  return nullptr;
}

const char* SkipBlock(Cursor& cursor, const char* p) {
  int depth = 1;
  for (const char* const end = cursor.End(); p < end; ++p) {
    if (*p == '\n') {
      cursor.NewLine(p + 1);
    } else if (*p == '{') {
      ++depth;
    } else if (*p == '}' && --depth == 0) {
      return p + 1;
    }
  }
  return nullptr;
}

LineKind ClassifyLine(std::string_view line, const LineTokens& tokens, std::size_t& valuesAt) {
  if (!tokens.basic) {
    if (!tokens.openLine.empty() && line == tokens.openLine)
      return LineKind::Opening;
    if (line.starts_with(tokens.rowPrefix)) {
      valuesAt = tokens.rowPrefix.size();
      return LineKind::Data;
    }
    return LineKind::Ignored;
  }
  std::size_t start = 0;
  while (start < line.size() && IsBlank(line[start]))
    ++start;
  const std::string_view rest = line.substr(start);
  if (rest.empty() || rest.front() == '\'' || StartsWithKeyword(rest, "rem"))
    return LineKind::Ignored;
  if (StartsWithKeyword(rest, "data")) {
    valuesAt = start + 4;
    return LineKind::Data;
  }
  return rest.back() == ':' ? LineKind::Opening : LineKind::Unknown;
}

HexRun ReadValueDigits(const char* p, const char* limit, std::string_view suffix, bool anyCase) {
  const HexRun run = ReadHexDigits(p, limit);
  if (suffix.empty() || !IsHexDigit(suffix.front()))
    return run;
  // A suffix such as "h" never looks like a digit; one such as "B" may have been read as one.
  std::size_t digits = run.digits;
  while (digits > 0 && !StartsWith(p + digits, limit, suffix, anyCase))
    --digits;
  return digits == 0 || digits == run.digits ? run : ReadHexDigits(p, p + digits);
}

}  // namespace pixmora::scan

#include "settings/IniFile.h"

#include <cstdint>

#include "platform/AtomicFile.h"

namespace pixmora {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back()))
    text.remove_suffix(1);
  return text;
}

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size())
    return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i]))
      return false;
  }
  return true;
}

bool IsQuote(char c) {
  return c == '"' || c == '\'';
}

bool EnclosedInQuotes(std::string_view text) {
  return text.size() >= 2 && IsQuote(text.front()) && text.front() == text.back();
}

std::optional<std::string_view> SectionNameOf(std::string_view line) {
  line = Trim(line);
  if (line.empty() || line.front() != '[')
    return std::nullopt;
  line.remove_prefix(1);
  return Trim(line.substr(0, line.find(']')));
}

std::optional<std::string_view> KeyOf(std::string_view line) {
  const auto equals = line.find('=');
  if (equals == std::string_view::npos)
    return std::nullopt;
  return Trim(line.substr(0, equals));
}

// A value that the reader would change (surrounding blanks, an enclosing pair of quotes) is
// written inside one more pair of quotes, which the reader strips again. A line break cannot be
// stored in a value and would start a line of its own, so it is left out.
std::string ValueAsWritten(std::string_view value) {
  std::string text;
  for (char c : value) {
    if (c != '\r' && c != '\n')
      text += c;
  }
  if (text.empty())
    return text;
  if (IsBlank(text.front()) || IsBlank(text.back()) || EnclosedInQuotes(text)) {
    return std::string(1, '"').append(text).append("\"");
  }
  return text;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  c = Lower(c);
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  return -1;
}

}  // namespace

std::optional<int> ParseProfileInteger(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  bool hex = false;
  if (!text.empty() && text.front() == '$') {
    hex = true;
    text.remove_prefix(1);
  } else if (text.size() >= 2 && text[0] == '0' && Lower(text[1]) == 'x') {
    hex = true;
    text.remove_prefix(2);
  }
  if (text.empty())
    return std::nullopt;

  std::uint64_t magnitude = 0;
  const std::uint64_t base = hex ? 16 : 10;
  // Hexadecimal covers all 32 bits (so "$FFFFFFFF" is -1); decimal must fit the signed range.
  const std::uint64_t limit = hex ? 0xFFFFFFFFu : (negative ? 0x80000000u : 0x7FFFFFFFu);
  for (char c : text) {
    const int digit = HexDigit(c);
    if (digit < 0 || static_cast<std::uint64_t>(digit) >= base)
      return std::nullopt;
    magnitude = magnitude * base + static_cast<std::uint64_t>(digit);
    if (magnitude > limit)
      return std::nullopt;
  }
  std::uint32_t bits = static_cast<std::uint32_t>(magnitude);
  if (negative)
    bits = 0u - bits;
  return static_cast<std::int32_t>(bits);
}

IniFile IniFile::FromText(std::string_view text) {
  IniFile file;
  while (!text.empty()) {
    const auto end = text.find_first_of("\r\n");
    file.lines_.emplace_back(text.substr(0, end));
    if (end == std::string_view::npos)
      break;
    const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
    text.remove_prefix(end + (crlf ? 2 : 1));
  }
  return file;
}

std::string IniFile::Load(const std::string& path) {
  std::string bytes;
  std::string error = ReadWholeFile(path, bytes);
  *this = error.empty() ? FromText(bytes) : IniFile();
  return error;
}

std::optional<IniFile::Section> IniFile::FindSection(std::string_view section) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const auto name = SectionNameOf(lines_[i]);
    if (!name || !SameName(*name, section))
      continue;
    std::size_t end = i + 1;
    while (end < lines_.size() && !SectionNameOf(lines_[end]))
      ++end;
    return Section{i, end};
  }
  return std::nullopt;
}

std::optional<std::size_t> IniFile::FindKey(const Section& section, std::string_view key) const {
  for (std::size_t i = section.header + 1; i < section.end; ++i) {
    const auto name = KeyOf(lines_[i]);
    if (name && SameName(*name, key))
      return i;
  }
  return std::nullopt;
}

std::optional<std::string> IniFile::ReadValue(std::string_view section,
                                              std::string_view key) const {
  const auto found = FindSection(section);
  if (!found)
    return std::nullopt;
  const auto line = FindKey(*found, key);
  if (!line)
    return std::nullopt;
  const std::string_view text = lines_[*line];
  std::string_view value = Trim(text.substr(text.find('=') + 1));
  if (EnclosedInQuotes(value))
    value = value.substr(1, value.size() - 2);
  return std::string(value.substr(0, kMaxValueLength));
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
  auto value = ReadValue(section, key);
  return value ? std::move(*value) : std::string(defaultValue);
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int defaultValue) const {
  const auto value = ReadValue(section, key);
  if (!value)
    return defaultValue;
  return ParseProfileInteger(*value).value_or(defaultValue);
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
  return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  std::string line = std::string(key) + "=" + ValueAsWritten(value);
  const auto found = FindSection(section);
  if (!found) {
    lines_.push_back(std::string(1, '[').append(section).append("]"));
    lines_.push_back(std::move(line));
    return;
  }
  if (const auto existing = FindKey(*found, key)) {
    lines_[*existing] = std::move(line);
    return;
  }
  // After the section's last line that is not blank, so blank lines before the next section stay.
  std::size_t at = found->end;
  while (at > found->header + 1 && Trim(lines_[at - 1]).empty())
    --at;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
  WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void IniFile::DeleteKey(std::string_view section, std::string_view key) {
  const auto found = FindSection(section);
  if (!found)
    return;
  if (const auto line = FindKey(*found, key)) {
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*line));
  }
}

std::string IniFile::Text() const {
  std::string text;
  for (const auto& line : lines_) {
    text += line;
    text += "\r\n";
  }
  return text;
}

std::string IniFile::Save(const std::string& path) const {
  return WriteFileAtomically(path, std::string_view(Text()));
}

}  // namespace pixmora

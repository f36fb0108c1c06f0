#include "decode/CodeFacts.h"

#include <charconv>

namespace pixmora {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

bool IsNameChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// The whole number at the start of `text`, after blanks; 0 when there is none.
int LeadingNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i]))
    ++i;
  int value = 0;
  const auto [end, error] = std::from_chars(text.data() + i, text.data() + text.size(), value);
  if (error != std::errc() || (end < text.data() + text.size() && IsNameChar(*end)))
    return 0;
  return value;
}

// "#define NAME VALUE": the size macros.
void ReadDefine(std::string_view line, CodeFacts& facts) {
  std::size_t i = 0;
  while (i < line.size() && IsNameChar(line[i]))
    ++i;
  const std::string_view name = line.substr(0, i);
  const int value = LeadingNumber(line.substr(i));
  if (value <= 0)
    return;
  if ((name.ends_with("_WIDTH") || name.ends_with("_width")) && facts.width == 0)
    facts.width = value;
  if ((name.ends_with("_HEIGHT") || name.ends_with("_height")) && facts.height == 0)
    facts.height = value;
}

// ".header.FIELD = VALUE,"
void ReadHeaderField(std::string_view line, CodeFacts& facts) {
  std::size_t i = 0;
  while (i < line.size() && IsNameChar(line[i]))
    ++i;
  const std::string_view field = line.substr(0, i);
  std::string_view rest = line.substr(i);
  while (!rest.empty() && (IsBlank(rest.front()) || rest.front() == '='))
    rest.remove_prefix(1);
  if (field == "cf" && !facts.colorFormat) {
    constexpr std::string_view kPrefix = "LV_COLOR_FORMAT_";
    if (!rest.starts_with(kPrefix))
      return;
    rest.remove_prefix(kPrefix.size());
    std::size_t n = 0;
    while (n < rest.size() && IsNameChar(rest[n]))
      ++n;
    for (const LvglFormatInfo& info : kLvglFormats) {
      if (rest.substr(0, n) == info.name)
        facts.colorFormat = info.format;
    }
    return;
  }
  int* number = field == "w"        ? &facts.width
                : field == "h"      ? &facts.height
                : field == "stride" ? &facts.stride
                                    : nullptr;
  if (number != nullptr && *number == 0)
    *number = LeadingNumber(rest);
}

void ScanFor(std::string_view text, std::string_view key, CodeFacts& facts,
             void (*read)(std::string_view, CodeFacts&)) {
  for (std::size_t at = text.find(key); at != std::string_view::npos; at = text.find(key, at + 1)) {
    const std::size_t start = at + key.size();
    const std::size_t end = std::min(text.find('\n', start), text.size());
    read(text.substr(start, end - start), facts);
  }
}

}  // namespace

void CodeFacts::Add(const CodeFacts& other) {
  if (width == 0)
    width = other.width;
  if (height == 0)
    height = other.height;
  if (!colorFormat)
    colorFormat = other.colorFormat;
  if (stride == 0)
    stride = other.stride;
}

void CodeFacts::ApplyTo(TargetLayout& layout) const {
  if (width > 0)
    layout.width = width;
  if (height > 0)
    layout.height = height;
  if (colorFormat)
    layout.colorFormat = *colorFormat;
  if (stride > 0)
    layout.stride = stride;
}

CodeFacts ReadCodeFacts(std::string_view text) {
  CodeFacts facts;
  ScanFor(text, "#define ", facts, ReadDefine);
  ScanFor(text, ".header.", facts, ReadHeaderField);
  return facts;
}

}  // namespace pixmora

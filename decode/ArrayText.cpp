#include "decode/ArrayText.h"

#include <algorithm>

#include "decode/ArrayScanners.h"

namespace pixmora {

namespace {

std::string_view TrimmedEnd(std::string_view text) {
  while (!text.empty() && (scan::IsBlank(text.back()) || text.back() == '\r'))
    text.remove_suffix(1);
  return text;
}

std::string_view Trimmed(std::string_view text) {
  text = TrimmedEnd(text);
  while (!text.empty() && scan::IsBlank(text.front()))
    text.remove_prefix(1);
  return text;
}

constexpr scan::LineTokens kBasicTokens{
    .basic = true, .hexPrefix = "&h", .hexSuffix = "%", .separator = ","};

// The tokens of the line-based syntaxes; `openLine` keeps the custom opening line alive.
scan::LineTokens LineTokensOf(const TextSyntax& syntax, std::string& openLine) {
  if (syntax.kind == ArraySyntax::BasicData)
    return kBasicTokens;
  const OutputFormat& format = syntax.custom;
  openLine = std::string(TrimmedEnd(format.Caption + " " + format.OpenBrace));
  return {.rowPrefix = format.RowPrefix,
          .hexPrefix = format.HexPrefix,
          .hexSuffix = format.HexSuffix,
          .separator = Trimmed(format.Separator),
          .openLine = openLine};
}

template <class Sink>
std::optional<scan::ScanError> Scan(std::string_view text, const TextSyntax& syntax, Sink& sink) {
  // An editor may have put a byte order mark in front.
  if (text.starts_with("\xEF\xBB\xBF"))
    text.remove_prefix(3);
  switch (syntax.kind) {
    case ArraySyntax::CArray:
      return scan::ScanCArray(text, sink);
    case ArraySyntax::PlainList:
      return scan::ScanPlainList(text, sink);
    case ArraySyntax::BasicData:
    case ArraySyntax::Custom:
      break;
  }
  std::string openLine;
  const scan::LineTokens tokens = LineTokensOf(syntax, openLine);
  return scan::ScanLines(text, tokens, sink);
}

class CollectingSink {
 public:
  explicit CollectingSink(std::vector<TextArray>& arrays) : arrays_(arrays) {}

  // Room for the most values the rest of the text can hold: pages never written cost no
  // memory, and the values are never moved while they are read.
  void Open(std::size_t line, std::size_t maxValues) {
    arrays_.push_back({line, {}});
    values_ = &arrays_.back().values;
    values_->reserve(maxValues);
  }
  bool Value(std::uint16_t value, TextPlace) {
    values_->push_back(value);
    return true;
  }

 private:
  std::vector<TextArray>& arrays_;
  std::vector<std::uint16_t>* values_ = nullptr;
};

class LocatingSink {
 public:
  LocatingSink(std::size_t array, std::size_t index) : array_(array), index_(index) {}

  void Open(std::size_t, std::size_t) { ++opened_; }
  bool Value(std::uint16_t, TextPlace place) {
    if (opened_ != array_ + 1 || count_++ != index_)
      return true;
    place_ = place;
    return false;
  }
  TextPlace Place() const { return place_; }

 private:
  std::size_t array_;
  std::size_t index_;
  std::size_t opened_ = 0;
  std::size_t count_ = 0;
  TextPlace place_;
};

}  // namespace

ArrayText ReadArrayText(std::string_view text, const TextSyntax& syntax) {
  ArrayText result;
  CollectingSink sink(result.arrays);
  if (const auto error = Scan(text, syntax, sink)) {
    result.arrays.clear();
    result.error = "line " + std::to_string(error->place.line) + ", column " +
                   std::to_string(error->place.column) + ": " + error->reason;
  }
  // A color table before the image was given room for the whole text.
  for (TextArray& array : result.arrays) {
    if (array.values.capacity() > 2 * array.values.size() + 4096)
      array.values.shrink_to_fit();
  }
  return result;
}

ArraySyntax DetectArraySyntax(std::string_view text) {
  if (text.find('{') != std::string_view::npos)
    return ArraySyntax::CArray;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    std::size_t valuesAt = 0;
    const std::string_view line = TrimmedEnd(text.substr(start, end - start));
    if (scan::ClassifyLine(line, kBasicTokens, valuesAt) == scan::LineKind::Data)
      return ArraySyntax::BasicData;
    start = end + 1;
  }
  return ArraySyntax::PlainList;
}

TextPlace PlaceOfValue(std::string_view text, const TextSyntax& syntax, std::size_t array,
                       std::size_t index) {
  LocatingSink sink(array, index);
  Scan(text, syntax, sink);
  return sink.Place();
}

}  // namespace pixmora

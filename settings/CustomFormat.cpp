#include "settings/CustomFormat.h"

#include <charconv>

namespace pixmora {

namespace {

constexpr std::array<CustomTextFieldInfo, 9> kTextFields{{
    {"Caption", &CustomFormat::Caption, "Caption", "edtCaption", "Caption"},
    {"RowDirective", &CustomFormat::RowDirective, "Data", "edtRowDirective", "Row directive"},
    {"OpenBrace", &CustomFormat::OpenBrace, "= (", "edtOpenBrace", "Open brace"},
    {"CloseBrace", &CustomFormat::CloseBrace, ")", "edtCloseBrace", "Close brace"},
    {"HexNotation", &CustomFormat::HexNotation, "&h", "edtHexNotation", "Hex notation"},
    {"EndNotation", &CustomFormat::EndNotation, "%", "edtEndNotation", "End notation"},
    {"CommaSymbol", &CustomFormat::CommaSymbol, ",", "edtCommaSymbol", "Comma symbol"},
    {"CommentStart", &CustomFormat::CommentStart, "//", "edtCommentStart", "Comment start"},
    {"CommentEnd", &CustomFormat::CommentEnd, "", "edtCommentEnd", "Comment end"},
}};

}  // namespace

bool CustomFormat::SetBytesPerLine(int value) {
  if (value < kMinBytesPerLine || value > kMaxBytesPerLine)
    return false;
  bytesPerLine_ = value;
  return true;
}

const std::array<CustomTextFieldInfo, 9>& CustomTextFields() {
  return kTextFields;
}

std::array<std::string, 4> UpdateExample(const CustomFormat& f) {
  std::string data = f.RowDirective + " " + f.HexNotation + "0A" + f.EndNotation;
  if (f.BytesPerLine() != 1) {
    data += f.CommaSymbol + " " + f.HexNotation + "FC" + f.EndNotation + f.CommaSymbol + " (" +
            std::to_string(f.BytesPerLine()) + " times)";
  }
  return {f.CommentStart + "This is a comment" + f.CommentEnd, f.Caption + " " + f.OpenBrace, data,
          f.CloseBrace};
}

bool IsBytesPerLineKey(char c) {
  return (c >= '0' && c <= '9') || c == '\b';
}

std::optional<int> BytesPerLineFromText(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end)
    return std::nullopt;
  if (value < CustomFormat::kMinBytesPerLine || value > CustomFormat::kMaxBytesPerLine)
    return std::nullopt;
  return value;
}

}  // namespace pixmora

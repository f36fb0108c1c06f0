#include "settings/CustomFormat.h"

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

}  // namespace pixmora

#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace pixmora {

// The tokens of the user-defined output format. Texts are Windows-1252 byte strings.
struct CustomFormat {
  static constexpr int kMinBytesPerLine = 1;
  static constexpr int kMaxBytesPerLine = 255;

  std::string Caption = "Caption";
  std::string RowDirective = "Data";
  std::string OpenBrace = "= (";
  std::string CloseBrace = ")";
  std::string HexNotation = "&h";
  std::string EndNotation = "%";
  std::string CommaSymbol = ",";
  std::string CommentStart = "//";
  std::string CommentEnd;

  // Data values per output row, bytes or words alike.
  int BytesPerLine() const { return bytesPerLine_; }
  // Takes the value only when it lies in 1..255; returns whether it was taken.
  bool SetBytesPerLine(int value);

  bool operator==(const CustomFormat&) const = default;

 private:
  int bytesPerLine_ = 8;
};

struct CustomTextFieldInfo {
  const char* key;  // key in section "Custom", and the field name
  std::string CustomFormat::*member;
  const char* defaultText;
  const char* control;
  const char* label;
};

// The nine text fields in window order; BytesPerLine (key "BytesPerLine", control "spnLength",
// label "Data per line") follows them.
const std::array<CustomTextFieldInfo, 9>& CustomTextFields();
inline constexpr const char* kBytesPerLineKey = "BytesPerLine";
inline constexpr const char* kBytesPerLineControl = "spnLength";
inline constexpr const char* kBytesPerLineLabel = "Data per line";

// The four lines of the live example the custom format window shows.
std::array<std::string, 4> UpdateExample(const CustomFormat& format);

// The characters that can be typed into "Data per line": the digits and Backspace.
bool IsBytesPerLineKey(char c);
// The value that typed text gives "Data per line": a whole number in 1..255, else nothing.
std::optional<int> BytesPerLineFromText(std::string_view text);

}  // namespace pixmora

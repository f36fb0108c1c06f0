#include "conversion/OutputTexts.h"

#include <array>
#include <initializer_list>

#include "conversion/CIdentifier.h"
#include "conversion/HexNumbers.h"

namespace pixmora {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

constexpr std::array<std::string_view, 34> kColorModeLines = {
    "Color mode byte:",
    "",
    "Bit     0:    0    --> Compression on",
    "              1    --> Compression off",
    "",
    "Bit 1 - 4:    0000 --> 65536 colors",
    "              0001 --> 4096 colors",
    "              0010 --> 256 colors",
    "              0011 --> Palette mode 256 - 32 colors (1 byte = 1 pixel)",
    "              0100 --> Palette mode 16 - 8   colors (1 byte = 2 pixel)",
    "              0101 --> Palette mode 4        colors (1 byte = 4 pixel)",
    "              0110 --> Palette mode 2        colors (1 byte = 8 pixel)",
    "              0111 --> Monochrome mode - Vertical orientation",
    "              1000 --> Monochrome mode - Horizontal orientation",
    "              1001 --> Reserved",
    "              1010 --> Reserved",
    "              1011 --> Reserved",
    "              1100 --> Reserved",
    "              1101 --> Reserved",
    "              1110 --> Reserved",
    "              1111 --> Reserved",
    "",
    "Bit 5 - 7:    Reserved",
    "",
    "Bit 8 - 10:   000  --> 256 colors or no palette",
    "              001  --> 128 colors",
    "              010  --> 64 colors",
    "              011  --> 32 colors",
    "              100  --> 16 colors",
    "              101  --> 8 colors",
    "              110  --> 4 colors",
    "              111  --> 2 colors",
    "",
    "Bit 11 - 15:  Reserved",
};

void AddLine(std::string& text, std::initializer_list<std::string_view> pieces) {
  for (std::string_view piece : pieces)
    text += piece;
  text += kLineEnd;
}

void AddEmptyLines(std::string& text, int count) {
  for (int i = 0; i < count; ++i)
    text += kLineEnd;
}

// A one-line comment of the format.
void AddComment(std::string& text, const OutputFormat& format, std::string_view comment) {
  switch (format.Kind) {
    case OutputKind::CArray:
      AddLine(text, {"/* ", comment, " */"});
      break;
    case OutputKind::BasicData:
      AddLine(text, {"'", comment});
      break;
    case OutputKind::Custom:
      AddLine(text, {format.CommentStart, comment, format.CommentEnd});
      break;
  }
}

// A line of data values; the last one is followed by `lastSeparator`.
void AddValueLine(std::string& text, const OutputFormat& format,
                  std::initializer_list<std::uint32_t> values, int digits,
                  std::string_view lastSeparator) {
  text += format.RowPrefix;
  std::size_t left = values.size();
  for (std::uint32_t value : values) {
    text += format.HexPrefix;
    AppendHex(text, value, digits);
    text += format.HexSuffix;
    text += --left == 0 ? lastSeparator : std::string_view(format.Separator);
  }
  text += kLineEnd;
}

}  // namespace

std::string OutputBanner(const OutputFormat& format) {
  std::string text;
  switch (format.Kind) {
    case OutputKind::CArray:
      AddLine(text, {"/*"});
      AddLine(text, {kCreditLine});
      AddLine(text, {kInvitationLine});
      AddLine(text, {"*/"});
      AddEmptyLines(text, 1);
      break;
    case OutputKind::BasicData:
      AddLine(text, {"'", kCreditLine});
      AddLine(text, {"'", kInvitationLine});
      AddEmptyLines(text, 2);
      break;
    case OutputKind::Custom:
      AddLine(text, {format.CommentStart, kCreditLine, format.CommentEnd});
      AddLine(text, {format.CommentStart, kInvitationLine, format.CommentEnd});
      AddEmptyLines(text, 1);
      break;
  }
  return text;
}

std::string ColorModeComment(const OutputFormat& format) {
  std::string text;
  for (std::size_t i = 0; i < kColorModeLines.size(); ++i) {
    const std::string_view line = kColorModeLines[i];
    switch (format.Kind) {
      case OutputKind::CArray:
        AddLine(text, {i == 0 ? "/* " : "", line});
        break;
      case OutputKind::BasicData:
        AddLine(text, {"'", line});
        break;
      case OutputKind::Custom:
        AddLine(text, {format.CommentStart, line, format.CommentEnd});
        break;
    }
  }
  if (format.Kind == OutputKind::CArray) {
    AddEmptyLines(text, 1);
    AddLine(text, {"*/"});
    AddEmptyLines(text, 2);
  } else {
    AddEmptyLines(text, 4);
  }
  return text;
}

std::string InfoHeader(const OutputFormat& format, bool word, std::uint16_t width,
                       std::uint16_t height, std::uint16_t colorModeWord) {
  // C and BASIC end the color mode line, and BASIC words the size line too, with a bare comma;
  // the custom format always writes its separator.
  const bool custom = format.Kind == OutputKind::Custom;
  const std::string_view modeEnd = custom ? std::string_view(format.Separator) : ",";
  const std::string_view sizeEnd = custom ? std::string_view(format.Separator)
                                   : (word && format.Kind == OutputKind::BasicData) ? ","
                                                                                    : ", ";
  std::string text;
  AddComment(text, format, "Image dimensions: (W x H)");
  if (word) {
    AddValueLine(text, format, {width, height}, 4, sizeEnd);
  } else {
    AddValueLine(text, format, {width / 256u, width % 256u, height / 256u, height % 256u}, 2,
                 sizeEnd);
  }
  AddEmptyLines(text, 1);
  AddComment(text, format, "Color mode");
  if (word) {
    AddValueLine(text, format, {colorModeWord}, 4, modeEnd);
  } else {
    AddValueLine(text, format, {colorModeWord / 256u, colorModeWord % 256u}, 2, modeEnd);
  }
  AddEmptyLines(text, 1);
  AddComment(text, format, "Data");
  return text;
}

std::string OutputHeader(const OutputFormat& format, const OutputHeaderContent& content) {
  std::string text;
  if (content.includeInfo)
    text += ColorModeComment(format);
  const std::string ratio = std::to_string(content.compressionRatio);
  const std::string count = std::to_string(content.outputElementCount);
  if (content.compression)
    AddComment(text, format, "Compression ratio = " + ratio + "%");
  switch (format.Kind) {
    case OutputKind::CArray:
      AddLine(text, {content.word ? "const unsigned int " : "const unsigned char ",
                     CIdentifier(content.imageBaseName), "[", count, "] PROGMEM = {"});
      break;
    case OutputKind::BasicData:
      AddLine(text, {content.imageBaseName, ":"});
      AddComment(text, format, "Image size " + count);
      break;
    case OutputKind::Custom:
      AddLine(text, {format.Caption, " ", format.OpenBrace});
      AddComment(text, format, "Image size " + count);
      break;
  }
  text += content.infoHeader;
  return text;
}

std::string ColorTableHeader(const OutputFormat& format, bool tableWord,
                             std::string_view imageBaseName, std::size_t count) {
  std::string text;
  const std::string size = std::to_string(count);
  switch (format.Kind) {
    case OutputKind::CArray:
      AddLine(text, {tableWord ? "const unsigned int Table_" : "const unsigned char Table_",
                     CIdentifier(imageBaseName), "[", size, "] PROGMEM = {"});
      break;
    case OutputKind::BasicData:
      AddComment(text, format, "Image color table size: " + size);
      AddLine(text, {"Table_", imageBaseName, ":"});
      break;
    case OutputKind::Custom:
      AddComment(text, format, "Image color table size: " + size);
      AddLine(text, {format.Caption, " ", format.OpenBrace});
      break;
  }
  return text;
}

}  // namespace pixmora

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "conversion/OutputFormat.h"

namespace pixmora {

inline constexpr std::string_view kCreditLine =
    "Image data created with Pixmora Image Converter 4.0";
inline constexpr std::string_view kInvitationLine =
    "Looking for cool displays? Visit \"https://displays.example.com\"";

// Every text below is lines ending in CR LF.

// The credit and the invitation, framed as comments of the format.
std::string OutputBanner(const OutputFormat& format);

// The description of the color mode word's bits, as a comment of the format.
std::string ColorModeComment(const OutputFormat& format);

// The image size and the color mode word as data values, each with a title, ending with the
// title of the data. `width`, `height` and `colorModeWord` as they stand after the byte swap of
// Word with LSB first.
std::string InfoHeader(const OutputFormat& format, bool word, std::uint16_t width,
                       std::uint16_t height, std::uint16_t colorModeWord);

struct OutputHeaderContent {
  bool includeInfo = false;
  bool compression = false;
  int compressionRatio = 0;
  bool word = false;
  std::string_view imageBaseName;
  std::int64_t outputElementCount = 0;
  std::string_view infoHeader;  // empty without IncludeInfo
};

// The text before the image data lines: color mode comment, ratio line, declaration, InfoHeader.
std::string OutputHeader(const OutputFormat& format, const OutputHeaderContent& content);

// The text before the color table lines; `count` is the number of table values.
std::string ColorTableHeader(const OutputFormat& format, bool tableWord,
                             std::string_view imageBaseName, std::size_t count);

}  // namespace pixmora

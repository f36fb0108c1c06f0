#include "decode/LvglHeader.h"

#include "decode/ValueText.h"

namespace pixmora {

namespace {

constexpr std::uint8_t kMagic = 0x19;

unsigned Le16(std::span<const std::uint8_t> bytes, std::size_t at) {
  return bytes[at] | unsigned{bytes[at + 1]} << 8;
}

}  // namespace

std::string ReadLvglHeader(std::span<const std::uint8_t> bytes, TargetLayout& layout,
                           std::size_t& offset) {
  offset = 0;
  if (bytes.size() < kLvglHeaderBytes) {
    offset = bytes.empty() ? 0 : bytes.size() - 1;
    return "the file holds " + std::to_string(bytes.size()) +
           " bytes, fewer than the 12 of an LVGL image header";
  }
  if (bytes[0] != kMagic)
    return "the LVGL image header starts with " + HexValue(bytes[0]) + ", not the magic 0x19";
  const LvglFormatInfo* format = nullptr;
  for (const LvglFormatInfo& info : kLvglFormats) {
    if (info.value == bytes[1])
      format = &info;
  }
  offset = 1;
  if (format == nullptr)
    return "the color format " + HexValue(bytes[1]) + " is none that lvgl9 writes";
  offset = 2;
  if (Le16(bytes, 2) != 0) {
    return "the flags " + HexValue(Le16(bytes, 2)) +
           " are set; a plain image (straight, not compressed) has none";
  }
  offset = 10;
  if (Le16(bytes, 10) != 0)
    return "the reserved field of the LVGL image header is not 0";
  layout.colorFormat = format->format;
  layout.width = static_cast<int>(Le16(bytes, 4));
  layout.height = static_cast<int>(Le16(bytes, 6));
  layout.stride = static_cast<int>(Le16(bytes, 8));
  return {};
}

}  // namespace pixmora

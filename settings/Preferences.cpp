#include "settings/Preferences.h"

namespace pixmora {

namespace {

using enum Option;
using G = OptionGroup;

constexpr std::array<OptionInfo, kOptionCount> kOptions{{
    {Color256, "Color256", G::ColorMode, false, "rdbColor256", "256 Colors (3-3-2)",
     "Convert image to 256 colors mode (RGB: 3-3-2)", false},
    {Color4096, "Color4096", G::ColorMode, false, "rdbColor4096", "4096 Colors (4-4-4)",
     "Convert image to 4096 colors mode (RGB: 4-4-4)", false},
    {Color65536, "Color65536", G::ColorMode, true, "rdbColor65536", "65536 Colors (5-6-5)",
     "Convert image to 65536 colors mode (RGB: 5-6-5)", false},
    {MonochromeHorizontal, "MonochromeHorizontal", G::Orientation, false, "rdbMonochromeHorizontal",
     "Horizontal orientation",
     "Convert image to monochrome mode with\r\nhorizontal orientation (1 byte = 8 pixel)", false},
    {MonochromeVertical, "MonochromeVertical", G::Orientation, true, "rdbMonochromeVertical",
     "Vertical orientation",
     "Convert image to monochrome mode with\r\nvertical orientation (1 byte = 8 pixel)", false},
    {PaletteTableByte, "PaletteTableByte", G::TableRepresentation, false, "rdbPaletteTableByte",
     "Byte", "Set color table output data as bytes", false},
    {PaletteTableWord, "PaletteTableWord", G::TableRepresentation, true, "rdbPaletteTableWord",
     "Word", "Set color table output data as words (two bytes)", false},
    {Palette1Pixel, "Palette1Pixel", G::PixelsPerByte, true, "rdbPalette1Pixel", "1 pixel per byte",
     "Always use 1 pixel per byte, regardless of color depth", false},
    {Palette1To8Pixel, "Palette1To8Pixel", G::PixelsPerByte, false, "rdbPalette1To8Pixel",
     "1 - 8 pixels per byte",
     "Use 1 to 8 pixels per byte, according to color depth:\r\n256 - 32 colors: 1 pixel per "
     "byte\r\n16 - 8 colors: 2 pixels per byte\r\n4 colors: 4 pixels per byte\r\n2 colors: 8 "
     "pixels per byte",
     false},
    {PaletteSeparate, "PaletteSeparate", G::None, true, "chkPaletteSeparate",
     "Separate color table", nullptr, true},
    {PaletteSaveHeader, "PaletteSaveHeader", G::TableSaving, true, "rdbPaletteSaveHeader",
     "Save color table with image file", "Save color table with image file as header", false},
    {PaletteSaveDiffFile, "PaletteSaveDiffFile", G::TableSaving, false, "rdbPaletteSaveDiffFile",
     "Save color table to different file", "Save color table to different file", false},
    {PaletteSaveNo, "PaletteSaveNo", G::TableSaving, false, "rdbPaletteSaveNo",
     "Don't save color table", "Don't save color table at all", false},
    {PaletteInclude, "PaletteInclude", G::None, false, "chkPaletteInclude", "Include table size",
     "Save color table size into color table file", true},
    {CArray, "CArray", G::OutputFormat, true, "rdbCArray", "C Array",
     "Convert image output data to C array", false},
    {BasicData, "BasicData", G::OutputFormat, false, "rdbBasicData", "Basic Data",
     "Convert image output data to BASIC table (Bascom format)", false},
    {Custom, "Custom", G::OutputFormat, false, "rdbCustom", "Custom format",
     "Convert image output data according to custom settings", false},
    {Byte, "Byte", G::DataRepresentation, true, "rdbByte", "Byte", "Set image output data as bytes",
     false},
    {Word, "Word", G::DataRepresentation, false, "rdbWord", "Word",
     "Set image output data as words (two bytes)", false},
    {LSBFirst, "LSBFirst", G::None, false, "chkLSBFirst", "LSB byte first",
     "Output data order: LSB-MSB", false},
    {Compression, "Compression", G::None, false, "chkCompression", "Compress data",
     "Encoding scheme:\r\n\r\nAAAA BB  C D EEEEE F G HHH I J =\r\n\r\nAA2  BB0 C D EE3   F G HH1 I "
     "J",
     false},
    {IncludeInfo, "IncludeInfo", G::None, true, "chkIncludeInfo", "Include image information",
     "Include image dimensions and color mode into image file", false},
    {SystemAddToSend, "SystemAddToSend", G::None, false, "chkSystemAddToSend",
     "Add to 'Send To' menu", "Add program to \"Send To\" menu", false},
    {ContextMenu, "ContextMenu", G::None, false, "chkContextMenu",
     "Add to Windows Explorer's context menu", "Add the program to Windows Explorer's context menu",
     false},
    {SystemAutoDetect, "SystemAutoDetect", G::None, false, "chkSystemAutoDetect",
     "Autodetect external changes", "Detect external changes automatically", false},
    {SystemEnableDragDrop, "SystemEnableDragDrop", G::None, false, "chkSystemEnableDragDrop",
     "Enable Drag && Drop", "Enable drag & drop operations", false},
    {SystemAskReload, "SystemAskReload", G::None, false, "chkSystemAskReload",
     "Ask before reload image", "Ask before reload image", false},
    {SystemStayOnTop, "SystemStayOnTop", G::None, false, "chkStayOnTop", "Stay on top",
     "Make program to stay on top", false},
}};

constexpr std::array<GroupInfo, 7> kGroups{{
    {G::ColorMode, " Colors ", {Color65536, Color4096, Color256}, 3, Color65536},
    {G::Orientation,
     " Orientation ",
     {MonochromeVertical, MonochromeHorizontal},
     2,
     MonochromeVertical},
    {G::TableRepresentation,
     " Color table representation ",
     {PaletteTableByte, PaletteTableWord},
     2,
     PaletteTableWord},
    {G::PixelsPerByte,
     " Output data pixels per byte (16 colors or less) ",
     {Palette1Pixel, Palette1To8Pixel},
     2,
     Palette1Pixel},
    {G::TableSaving,
     " Save options for color table ",
     {PaletteSaveHeader, PaletteSaveDiffFile, PaletteSaveNo},
     3,
     PaletteSaveHeader},
    {G::OutputFormat, " Output format ", {CArray, BasicData, Custom}, 3, CArray},
    {G::DataRepresentation, " Data representation ", {Byte, Word}, 2, Byte},
}};

constexpr bool TableIsInEnumOrder() {
  for (std::size_t i = 0; i < kOptions.size(); ++i) {
    if (static_cast<std::size_t>(kOptions[i].option) != i)
      return false;
  }
  return true;
}
static_assert(TableIsInEnumOrder());

}  // namespace

const std::array<OptionInfo, kOptionCount>& Options() {
  return kOptions;
}
const OptionInfo& InfoOf(Option option) {
  return kOptions[static_cast<std::size_t>(option)];
}

const std::array<GroupInfo, 7>& Groups() {
  return kGroups;
}
const GroupInfo& InfoOf(OptionGroup group) {
  for (const auto& info : kGroups) {
    if (info.group == group)
      return info;
  }
  return kGroups.front();  // never reached: every group except None is in the table
}

Preferences::Preferences() {
  for (const auto& info : kOptions)
    values_[static_cast<std::size_t>(info.option)] = info.defaultValue;
}

void Preferences::Set(Option option, bool value) {
  const OptionGroup group = InfoOf(option).group;
  if (value && group != OptionGroup::None) {
    for (Option member : InfoOf(group).Members())
      values_[static_cast<std::size_t>(member)] = false;
  }
  values_[static_cast<std::size_t>(option)] = value;
}

std::optional<Option> Preferences::SetMember(OptionGroup group) const {
  for (Option member : InfoOf(group).Members()) {
    if (Is(member))
      return member;
  }
  return std::nullopt;
}

Option Preferences::Effective(OptionGroup group) const {
  return SetMember(group).value_or(InfoOf(group).defaultMember);
}

}  // namespace pixmora

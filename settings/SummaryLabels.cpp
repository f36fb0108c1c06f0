#include "settings/SummaryLabels.h"

namespace pixmora {

namespace {

using enum Option;

const char* MemberText(Option member) {
  switch (member) {
    case Color65536:
      return "Color mode: 65536 (5-6-5)";
    case Color4096:
      return "Color mode: 4096 (4-4-4)";
    case Color256:
      return "Color mode: 256 (3-3-2)";
    case MonochromeVertical:
      return "Monochrome orientation: Vertical";
    case MonochromeHorizontal:
      return "Monochrome orientation: Horizontal";
    case PaletteTableByte:
      return "Color table representation: Byte";
    case PaletteTableWord:
      return "Color table representation: Word";
    case Palette1Pixel:
      return "Pixels per byte (palette mode): 1";
    case Palette1To8Pixel:
      return "Pixels per byte (palette mode): 1 - 8";
    case CArray:
      return "Output data format: C Array";
    case BasicData:
      return "Output data format: Basic data";
    case Custom:
      return "Output data format: Custom format";
    case Byte:
      return "Output data representation: Byte";
    case Word:
      return "Output data representation: Word";
    default:
      return nullptr;
  }
}

}  // namespace

void UpdateSummaryLabels(const Preferences& preferences, SummaryLabels& labels) {
  constexpr std::array<OptionGroup, 6> kLabelGroups{
      OptionGroup::ColorMode,     OptionGroup::Orientation,  OptionGroup::TableRepresentation,
      OptionGroup::PixelsPerByte, OptionGroup::OutputFormat, OptionGroup::DataRepresentation};
  for (std::size_t i = 0; i < kLabelGroups.size(); ++i) {
    if (auto member = preferences.SetMember(kLabelGroups[i]))
      labels.texts[i] = MemberText(*member);
  }
  labels.texts[6] = preferences.Is(Compression) ? "Compression: On" : "Compression: Off";
}

}  // namespace pixmora

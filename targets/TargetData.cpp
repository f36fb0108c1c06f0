#include "targets/TargetData.h"

#include "conversion/HexNumbers.h"
#include "targets/ArrayName.h"
#include "targets/Layouts.h"
#include "targets/PixelRules.h"

namespace pixmora {

namespace {

std::string ColorText(std::uint32_t color) {
  std::string text = "#";
  AppendHex(text, color >> 16, 2);
  AppendHex(text, (color >> 8) & 0xFF, 2);
  AppendHex(text, color & 0xFF, 2);
  return text;
}

}  // namespace

TargetResult EncodeTarget(const TargetInput& input) {
  switch (input.settings.target) {
    case TargetKind::GfxBitmap:
    case TargetKind::Xbm:
      return EncodeBitmap(input);
    case TargetKind::Pages:
      return EncodePages(input);
    case TargetKind::Rgb565:
      return EncodeRgb565(input);
    case TargetKind::Rgb332:
    case TargetKind::Gray8:
      return EncodeByteColor(input);
    case TargetKind::Gray4:
    case TargetKind::Gray2:
      return EncodePackedGray(input);
    case TargetKind::Index4:
    case TargetKind::Index8:
      return EncodeIndexed(input);
    case TargetKind::Lvgl9:
      return EncodeLvgl(input);
    case TargetKind::Classic:
      break;
  }
  return {"the classic output is not a target", {}};
}

TargetData StartData(const TargetInput& input) {
  const TargetSettings& s = input.settings;
  const TargetTraits traits = TraitsOf(s.target, s.colorFormat);
  TargetData data;
  data.name = input.name;
  data.macroName = MacroName(input.name);
  data.target = TargetLabel(s.target, s.colorFormat);
  data.width = input.image.Width();
  data.height = input.image.Height();
  data.macros = {{data.macroName + "_WIDTH", std::to_string(data.width)},
                 {data.macroName + "_HEIGHT", std::to_string(data.height)}};
  if (traits.losesDepth && s.dither == Dither::Ordered)
    data.notes.push_back("Dithered with an 8 x 8 Bayer pattern");
  if (traits.losesDepth && s.dither == Dither::FloydSteinberg)
    data.notes.push_back("Dithered by serpentine Floyd-Steinberg error diffusion");
  if (traits.blends) {
    data.notes.push_back("Transparent pixels are blended over " + ColorText(BackgroundOf(input)));
  }
  return data;
}

std::uint32_t BackgroundOf(const TargetInput& input) {
  const TargetSettings& s = input.settings;
  const bool white = TraitsOf(s.target, s.colorFormat).whiteBackground;
  return s.background.value_or(white ? 0xFFFFFFu : 0x000000u);
}

std::string SetBitNote(const TargetSettings& settings) {
  const std::string threshold = std::to_string(settings.lumaThreshold);
  return settings.invert ? "A set bit is a lit pixel (luma " + threshold + " or more)"
                         : "A set bit is a dark pixel (luma below " + threshold + ")";
}

std::string RamArgument(const TargetArray& array, const char* pointerType) {
  return array.progmem ? array.name : std::string("(") + pointerType + ")" + array.name;
}

const TargetArray& AddMask(const TargetInput& input, TargetData& data) {
  const int width = input.image.Width();
  const auto bytesPerRow = static_cast<std::size_t>((width + 7) / 8);
  TargetArray mask{data.name + "_mask", ElementType::Uint8, input.settings.progmem,
                   "(" + data.macroName + "_WIDTH + 7) / 8 * " + data.macroName + "_HEIGHT"};
  mask.bytes.resize(bytesPerRow * static_cast<std::size_t>(input.image.Height()));
  std::vector<std::uint8_t> bits(static_cast<std::size_t>(width));
  for (int y = 0; y < input.image.Height(); ++y) {
    MaskRow(input.image, y, bits.data());
    PackRow(bits.data(), width, 1, mask.bytes.data() + static_cast<std::size_t>(y) * bytesPerRow);
  }
  data.notes.push_back(mask.name +
                       ": 1 bit per pixel as gfx-bitmap lays it out, set where the "
                       "pixel is drawn (alpha 128 or more)");
  data.arrays.push_back(std::move(mask));
  return data.arrays.back();
}

}  // namespace pixmora

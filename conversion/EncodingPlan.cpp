#include "conversion/EncodingPlan.h"

#include "conversion/ColorModeWord.h"

namespace pixmora {

namespace {

void PlanColor(const Preferences& preferences, EncodingPlan& plan) {
  switch (preferences.Effective(OptionGroup::ColorMode)) {
    case Option::Color256:
      plan.encoding = PixelEncoding::Color332;
      plan.colorModeWord = ColorModeBits::kColor256;
      return;
    case Option::Color4096:
      plan.encoding = PixelEncoding::Color444;
      plan.colorModeWord = ColorModeBits::kColor4096;
      return;
    default:
      plan.encoding = PixelEncoding::Color565;
      plan.colorModeWord = ColorModeBits::kColor65536;
  }
}

void PlanPalette(const ConversionInput& input, EncodingPlan& plan) {
  const int colors = input.PaletteColorCount;
  plan.encoding = PixelEncoding::PaletteIndices;
  plan.colorModeWord = ColorModeBits::kPalette1Pixel;
  if (input.Preferences.Effective(OptionGroup::PixelsPerByte) == Option::Palette1To8Pixel) {
    if (colors == 2) {
      plan.indexBits = 1;
      plan.colorModeWord = ColorModeBits::kPalette8Pixels;
    } else if (colors == 4) {
      plan.indexBits = 2;
      plan.colorModeWord = ColorModeBits::kPalette4Pixels;
    } else if (colors >= 8 && colors <= 16) {
      plan.indexBits = 4;
      plan.colorModeWord = ColorModeBits::kPalette2Pixels;
    }
  }
  plan.colorModeWord |= PaletteSizeCode(colors);
}

}  // namespace

EncodingPlan PlanEncoding(const ConversionInput& input) {
  const Preferences& preferences = input.Preferences;
  EncodingPlan plan;
  switch (input.ImageMode) {
    case ImageMode::Color:
      PlanColor(preferences, plan);
      break;
    case ImageMode::Monochrome:
      if (preferences.Is(Option::MonochromeVertical)) {
        plan.encoding = PixelEncoding::MonochromeVertical;
        plan.colorModeWord = ColorModeBits::kMonochromeVertical;
      } else {
        plan.encoding = PixelEncoding::MonochromeHorizontal;
        plan.colorModeWord = ColorModeBits::kMonochromeHorizontal;
      }
      break;
    case ImageMode::Palette:
      PlanPalette(input, plan);
      break;
  }
  plan.word = preferences.Effective(OptionGroup::DataRepresentation) == Option::Word;
  plan.lsbFirst = preferences.Is(Option::LSBFirst);
  plan.compression = preferences.Is(Option::Compression);
  return plan;
}

std::uint64_t EncodedByteCount(const EncodingPlan& plan, std::uint16_t width,
                               std::uint16_t height) {
  const std::uint64_t pixels = std::uint64_t{width} * height;
  switch (plan.encoding) {
    case PixelEncoding::Color332:
      return pixels;
    case PixelEncoding::Color444:
      return (3 * pixels + 1) / 2;
    case PixelEncoding::Color565:
      return 2 * pixels;
    case PixelEncoding::MonochromeVertical:
      return std::uint64_t{width} * ((height + 7u) / 8u);
    case PixelEncoding::MonochromeHorizontal:
      return (pixels + 7) / 8;
    case PixelEncoding::PaletteIndices:
      break;
  }
  const std::uint64_t perByte = 8u / static_cast<unsigned>(plan.indexBits);
  return (pixels + perByte - 1) / perByte;
}

}  // namespace pixmora

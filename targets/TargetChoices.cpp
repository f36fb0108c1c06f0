#include "targets/TargetChoices.h"

namespace pixmora {

namespace {

using S = TargetSetting;

std::string NotFor(const std::string& option, const std::string& applies,
                   const std::string& target) {
  return option + ": applies to " + applies + ", not " + target;
}

}  // namespace

std::string CheckTargetChoice(const TargetSettings& s, TargetSetting setting,
                              const std::string& option) {
  if (setting == S::Target)
    return {};
  const std::string target = TargetLabel(s.target, s.colorFormat);
  if (s.target == TargetKind::Classic)
    return NotFor(option, "the targets (--target)", target);
  const TargetTraits traits = TraitsOf(s.target, s.colorFormat);
  switch (setting) {
    case S::Target:
    case S::Section:
    case S::Align:
      return {};
    case S::ColorFormat:
      return s.target == TargetKind::Lvgl9 ? "" : NotFor(option, "--target lvgl9", target);
    case S::SwapBytes:
      if (s.target == TargetKind::Lvgl9)
        return option + ": lvgl9 names swapped 5-6-5 by its own format: --cf RGB565_SWAPPED";
      if (traits.swappable && s.mask && s.swapBytes) {
        return option +
               ": the masked draw call (drawRGBBitmap) reads native values; leave out "
               "--mask or --swap-bytes";
      }
      return traits.swappable ? "" : NotFor(option, "--target rgb565", target);
    case S::Background:
      if (traits.blends)
        return {};
      return option + ": " + target +
             (traits.indexBits > 0 ? " writes palette indices" : " keeps the alpha") +
             "; nothing is blended";
    case S::Mask:
      if (traits.maskable && s.mask && s.swapBytes)
        return CheckTargetChoice(s, S::SwapBytes, "--swap-bytes");
      return traits.maskable
                 ? ""
                 : NotFor(option, "--target rgb565 and gray8 (the data of the masked draw calls)",
                          target);
    case S::LumaThreshold:
    case S::Invert:
      return traits.oneBit ? ""
                           : NotFor(option, "the 1-bit targets gfx-bitmap, xbm and pages", target);
    case S::Dither:
      return traits.losesDepth ? "" : option + ": " + target + " loses no color depth";
    case S::Code:
      if (s.target == TargetKind::Lvgl9 && s.code == CodeStyle::Header)
        return option + ": lvgl9 always writes a .c file and a .h file";
      return {};
    case S::Progmem:
      return traits.progmem ? "" : option + ": " + target + " is read from RAM, never from PROGMEM";
  }
  return {};
}

}  // namespace pixmora

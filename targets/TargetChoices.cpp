#include "targets/TargetChoices.h"

namespace pixmora {

namespace {

using S = TargetSetting;

std::string NotFor(const std::string& option, const std::string& applies,
                   const std::string& target) {
  return option + ": applies to " + applies + ", not " + target;
}

}  // namespace

bool ChoiceApplies(const TargetSettings& s, TargetSetting setting) {
  if (setting == S::Target)
    return true;
  if (s.target == TargetKind::Classic)
    return false;
  const TargetTraits traits = TraitsOf(s.target, s.colorFormat);
  switch (setting) {
    case S::Target:
    case S::Section:
    case S::Align:
      return true;
    case S::ColorFormat:
      return s.target == TargetKind::Lvgl9;
    case S::SwapBytes:
      return traits.swappable && (!s.mask || s.swapBytes);
    case S::Background:
      return traits.blends;
    case S::Mask:
      return traits.maskable && (!(traits.swappable && s.swapBytes) || s.mask);
    case S::LumaThreshold:
    case S::Invert:
      return traits.oneBit;
    case S::Dither:
      return traits.losesDepth;
    case S::Code:
      return s.target != TargetKind::Lvgl9;
    case S::Progmem:
      return traits.progmem;
  }
  return false;
}

std::string CheckTargetChoice(const TargetSettings& s, TargetSetting setting,
                              const std::string& option) {
  const TargetTraits traits = TraitsOf(s.target, s.colorFormat);
  if ((setting == S::SwapBytes || setting == S::Mask) && traits.swappable && s.mask &&
      s.swapBytes) {
    return "--swap-bytes: the masked draw call (drawRGBBitmap) reads native values; leave out "
           "--mask or --swap-bytes";
  }
  if (ChoiceApplies(s, setting))
    return {};
  const std::string target = TargetLabel(s.target, s.colorFormat);
  if (s.target == TargetKind::Classic)
    return NotFor(option, "the targets (--target)", target);
  switch (setting) {
    case S::Target:
    case S::Section:
    case S::Align:
      return {};
    case S::ColorFormat:
      return NotFor(option, "--target lvgl9", target);
    case S::SwapBytes:
      // Off beside a mask: what the masked call reads anyway.
      if (traits.swappable)
        return {};
      if (s.target == TargetKind::Lvgl9)
        return option + ": lvgl9 names swapped 5-6-5 by its own format: --cf RGB565_SWAPPED";
      return NotFor(option, "--target rgb565", target);
    case S::Background:
      return option + ": " + target +
             (traits.indexBits > 0 ? " writes palette indices" : " keeps the alpha") +
             "; nothing is blended";
    case S::Mask:
      if (traits.maskable)
        return {};
      return NotFor(option, "--target rgb565 and gray8 (the data of the masked draw calls)",
                    target);
    case S::LumaThreshold:
    case S::Invert:
      return NotFor(option, "the 1-bit targets gfx-bitmap, xbm and pages", target);
    case S::Dither:
      return option + ": " + target + " loses no color depth";
    case S::Code:
      // --code c asks for what lvgl9 writes anyway.
      return s.code == CodeStyle::Header ? option + ": lvgl9 always writes a .c file and a .h file"
                                         : "";
    case S::Progmem:
      return option + ": " + target + " is read from RAM, never from PROGMEM";
  }
  return {};
}

}  // namespace pixmora

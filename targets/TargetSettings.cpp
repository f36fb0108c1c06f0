#include "targets/TargetSettings.h"

#include <charconv>

#include "conversion/HexNumbers.h"

namespace pixmora {

namespace {

using S = TargetSetting;

template <std::size_t N, class Info>
constexpr std::array<const char*, N> NamesOf(const std::array<Info, N>& table) {
  std::array<const char*, N> names{};
  for (std::size_t i = 0; i < N; ++i)
    names[i] = table[i].name;
  return names;
}

constexpr auto kTargetNames = NamesOf(kTargets);
constexpr auto kFormatNames = NamesOf(kLvglFormats);
constexpr std::array<const char*, 3> kDitherNames{"none", "ordered", "floyd-steinberg"};
constexpr std::array<const char*, 2> kCodeNames{"header", "c"};
constexpr std::array<const char*, 9> kAlignNames{"1",  "2",  "4",   "8",  "16",
                                                 "32", "64", "128", "256"};

std::string Refused(const TargetSettingInfo& info, std::string_view text) {
  return "expected " + AcceptedValues(info) + ", got '" + std::string(text) + "'";
}

std::optional<std::size_t> ChoiceIndex(std::span<const char* const> names, std::string_view text) {
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (text == names[i])
      return i;
  }
  return std::nullopt;
}

std::optional<int> WholeNumber(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size())
    return std::nullopt;
  return value;
}

// A choice stored as an enum whose values follow the names.
template <auto Member, S Setting>
std::string ReadChoice(TargetSettings& s, std::string_view text) {
  const TargetSettingInfo& info = InfoOf(Setting);
  const auto index = ChoiceIndex(info.choices, text);
  if (!index)
    return Refused(info, text);
  s.*Member = static_cast<std::remove_reference_t<decltype(s.*Member)>>(*index);
  return {};
}
template <auto Member, S Setting>
std::string WriteChoice(const TargetSettings& s) {
  return InfoOf(Setting).choices[static_cast<std::size_t>(s.*Member)];
}

template <bool TargetSettings::*Member, S Setting>
std::string ReadFlag(TargetSettings& s, std::string_view text) {
  if (text != "0" && text != "1")
    return Refused(InfoOf(Setting), text);
  s.*Member = text == "1";
  return {};
}
template <bool TargetSettings::*Member>
std::string WriteFlag(const TargetSettings& s) {
  return s.*Member ? "1" : "0";
}

std::string ReadLumaThreshold(TargetSettings& s, std::string_view text) {
  const TargetSettingInfo& info = InfoOf(S::LumaThreshold);
  const auto value = WholeNumber(text);
  if (!value || *value < info.low || *value > info.high)
    return Refused(info, text);
  s.lumaThreshold = *value;
  return {};
}
std::string WriteLumaThreshold(const TargetSettings& s) {
  return std::to_string(s.lumaThreshold);
}

std::string ReadAlign(TargetSettings& s, std::string_view text) {
  const auto index = ChoiceIndex(kAlignNames, text);
  if (!index)
    return Refused(InfoOf(S::Align), text);
  s.align = 1 << *index;
  return {};
}
std::string WriteAlign(const TargetSettings& s) {
  return std::to_string(s.align);
}

std::string ReadBackground(TargetSettings& s, std::string_view text) {
  if (text.empty()) {
    s.background.reset();
    return {};
  }
  std::string_view digits = text.front() == '#' ? text.substr(1) : text;
  std::uint32_t value = 0;
  const auto [end, error] =
      std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
  if (digits.size() != 6 || error != std::errc() || end != digits.data() + digits.size())
    return Refused(InfoOf(S::Background), text);
  s.background = value;
  return {};
}
std::string WriteBackground(const TargetSettings& s) {
  if (!s.background)
    return {};
  std::string text;
  AppendHex(text, *s.background >> 16, 2);
  AppendHex(text, (*s.background >> 8) & 0xFF, 2);
  AppendHex(text, *s.background & 0xFF, 2);
  return text;
}

// Characters that need no escape in the string of __attribute__((section("..."))).
bool IsSectionCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '.' || c == '$' || c == '-' || c == ',';
}
std::string ReadSection(TargetSettings& s, std::string_view text) {
  for (const char c : text) {
    if (!IsSectionCharacter(c))
      return Refused(InfoOf(S::Section), text);
  }
  s.section = std::string(text);
  return {};
}
std::string WriteSection(const TargetSettings& s) {
  return s.section;
}

constexpr std::array<TargetSettingInfo, kTargetSettingCount> kTable{{
    {S::Target, "Target", "--target", nullptr, "NAME", SettingKind::Choice, kTargetNames, 0, 0,
     "Target",
     "The display library layout the output is made for; classic is the desktop program's",
     ReadChoice<&TargetSettings::target, S::Target>,
     WriteChoice<&TargetSettings::target, S::Target>},
    {S::ColorFormat, "ColorFormat", "--cf", nullptr, "FORMAT", SettingKind::Choice, kFormatNames, 0,
     0, "LVGL color format", "The color format of the LVGL 9 image descriptor",
     ReadChoice<&TargetSettings::colorFormat, S::ColorFormat>,
     WriteChoice<&TargetSettings::colorFormat, S::ColorFormat>},
    {S::SwapBytes,
     "SwapBytes",
     "--swap-bytes",
     "--no-swap-bytes",
     nullptr,
     SettingKind::Flag,
     {},
     0,
     0,
     "Swap bytes",
     "Exchange the two bytes of every 16-bit value (high byte first in memory)",
     ReadFlag<&TargetSettings::swapBytes, S::SwapBytes>,
     WriteFlag<&TargetSettings::swapBytes>},
    {S::Background,
     "Background",
     "--background",
     nullptr,
     "RRGGBB",
     SettingKind::Color,
     {},
     0,
     0,
     "Background",
     "The color transparent pixels are blended over (default white for 1-bit and gray targets, "
     "black for color ones)",
     ReadBackground,
     WriteBackground},
    {S::Mask,
     "Mask",
     "--mask",
     "--no-mask",
     nullptr,
     SettingKind::Flag,
     {},
     0,
     0,
     "Mask",
     "Add a 1-bit transparency mask (alpha 128 or more is drawn) for the masked draw calls",
     ReadFlag<&TargetSettings::mask, S::Mask>,
     WriteFlag<&TargetSettings::mask>},
    {S::LumaThreshold,
     "LumaThreshold",
     "--luma-threshold",
     nullptr,
     "N",
     SettingKind::Number,
     {},
     0,
     256,
     "Luma threshold",
     "A 1-bit pixel is dark when its luma (Rec. 601, 0 to 255) is below N",
     ReadLumaThreshold,
     WriteLumaThreshold},
    {S::Invert,
     "Invert",
     "--invert",
     "--no-invert",
     nullptr,
     SettingKind::Flag,
     {},
     0,
     0,
     "Set bits for lit pixels",
     "A set bit is a lit pixel instead of a dark one",
     ReadFlag<&TargetSettings::invert, S::Invert>,
     WriteFlag<&TargetSettings::invert>},
    {S::Dither, "Dither", "--dither", nullptr, "MODE", SettingKind::Choice, kDitherNames, 0, 0,
     "Dithering",
     "How lost color depth is spread: truncation, an 8 x 8 Bayer pattern or serpentine "
     "Floyd-Steinberg error diffusion",
     ReadChoice<&TargetSettings::dither, S::Dither>,
     WriteChoice<&TargetSettings::dither, S::Dither>},
    {S::Code, "Code", "--code", nullptr, "STYLE", SettingKind::Choice, kCodeNames, 0, 0, "Code",
     "One header with static data, or a .c file with the data and a .h file declaring it",
     ReadChoice<&TargetSettings::code, S::Code>, WriteChoice<&TargetSettings::code, S::Code>},
    {S::Section,
     "Section",
     "--section",
     nullptr,
     "NAME",
     SettingKind::Text,
     {},
     0,
     0,
     "Linker section",
     "Put the data into this linker section",
     ReadSection,
     WriteSection},
    {S::Align, "Align", "--align", nullptr, "N", SettingKind::Choice, kAlignNames, 0, 0,
     "Alignment", "Align the data to N bytes (lvgl9: also the rows)", ReadAlign, WriteAlign},
    {S::Progmem,
     "Progmem",
     "--no-progmem",
     "--progmem",
     nullptr,
     SettingKind::Flag,
     {},
     0,
     0,
     "Program memory (PROGMEM)",
     "Put the data into program memory where the library reads it from there; off for calls "
     "that read RAM, such as u8g2's drawBitmap",
     ReadFlag<&TargetSettings::progmem, S::Progmem>,
     WriteFlag<&TargetSettings::progmem>},
}};

constexpr bool TableInEnumOrder() {
  for (std::size_t i = 0; i < kTable.size(); ++i) {
    if (static_cast<std::size_t>(kTable[i].setting) != i)
      return false;
  }
  return true;
}
static_assert(TableInEnumOrder());

}  // namespace

const std::array<TargetSettingInfo, kTargetSettingCount>& TargetSettingTable() {
  return kTable;
}

const TargetSettingInfo& InfoOf(TargetSetting setting) {
  return kTable[static_cast<std::size_t>(setting)];
}

std::string AcceptedValues(const TargetSettingInfo& info) {
  switch (info.kind) {
    case SettingKind::Choice: {
      std::string text;
      for (std::size_t i = 0; i < info.choices.size(); ++i) {
        if (i > 0)
          text += i + 1 == info.choices.size() ? " or " : ", ";
        text += info.choices[i];
      }
      return text;
    }
    case SettingKind::Flag:
      return "1 or 0";
    case SettingKind::Number:
      return "a number from " + std::to_string(info.low) + " to " + std::to_string(info.high);
    case SettingKind::Color:
      return "a color RRGGBB (six hexadecimal digits)";
    case SettingKind::Text:
      return "a section name (letters, digits and _ . $ - ,)";
  }
  return {};
}

}  // namespace pixmora

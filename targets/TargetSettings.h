#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "targets/TargetKinds.h"

namespace pixmora {

// The choices of a target conversion. The defaults are the built-in settings: Classic, so a
// settings file without a "Target" section changes nothing.
struct TargetSettings {
  TargetKind target = TargetKind::Classic;
  LvglFormat colorFormat = LvglFormat::RGB565;
  bool swapBytes = false;
  std::optional<std::uint32_t> background;  // 0x00RRGGBB; none: the target's own
  bool mask = false;
  int lumaThreshold = 128;
  bool invert = false;
  pixmora::Dither dither = pixmora::Dither::None;
  CodeStyle code = CodeStyle::Header;
  std::string section;
  int align = 1;
  bool progmem = true;

  bool operator==(const TargetSettings&) const = default;
};

// The settings in the order of the settings file, the help text and the window.
enum class TargetSetting {
  Target,
  ColorFormat,
  SwapBytes,
  Background,
  Mask,
  LumaThreshold,
  Invert,
  Dither,
  Code,
  Section,
  Align,
  Progmem,
};
inline constexpr std::size_t kTargetSettingCount = 12;

enum class SettingKind {
  Choice,  // one of `choices`
  Flag,    // 1 or 0; `option` sets the opposite of the default, `opposite` the default
  Number,  // a whole number from `low` to `high`
  Color,   // RRGGBB in hexadecimal, or empty for the target's own
  Text,    // a section name, or empty
};

// One setting: the key of section "Target", the command-line option, the window's caption and
// hint, what it accepts, and how its value text is read and written.
struct TargetSettingInfo {
  TargetSetting setting;
  const char* key;
  const char* option;
  const char* opposite;   // flags only, else nullptr
  const char* valueName;  // in the help text; nullptr for flags
  SettingKind kind;
  std::span<const char* const> choices;
  int low = 0;
  int high = 0;
  const char* caption;
  const char* hint;
  // Takes a value text; returns why it is refused, or an empty text.
  std::string (*read)(TargetSettings& settings, std::string_view text);
  std::string (*write)(const TargetSettings& settings);
};

const std::array<TargetSettingInfo, kTargetSettingCount>& TargetSettingTable();
const TargetSettingInfo& InfoOf(TargetSetting setting);

// What a setting accepts, for messages and the help text: "none, ordered or floyd-steinberg".
std::string AcceptedValues(const TargetSettingInfo& info);

}  // namespace pixmora

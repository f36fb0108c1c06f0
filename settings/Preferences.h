#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>

namespace pixmora {

// The 28 options, in the order the settings file writes and reads them.
enum class Option {
  Color256,
  Color4096,
  Color65536,
  MonochromeHorizontal,
  MonochromeVertical,
  PaletteTableByte,
  PaletteTableWord,
  Palette1Pixel,
  Palette1To8Pixel,
  PaletteSeparate,
  PaletteSaveHeader,
  PaletteSaveDiffFile,
  PaletteSaveNo,
  PaletteInclude,
  CArray,
  BasicData,
  Custom,
  Byte,
  Word,
  LSBFirst,
  Compression,
  IncludeInfo,
  SystemAddToSend,
  ContextMenu,
  SystemAutoDetect,
  SystemEnableDragDrop,
  SystemAskReload,
  SystemStayOnTop,
};
inline constexpr std::size_t kOptionCount = 28;

enum class OptionGroup {
  None,  // an independent check box
  ColorMode,
  Orientation,
  TableRepresentation,
  PixelsPerByte,
  TableSaving,
  OutputFormat,
  DataRepresentation,
};

struct OptionInfo {
  Option option;
  const char* key;  // key in section "Preferences", and the field name
  OptionGroup group;
  bool defaultValue;
  const char* control;
  const char* caption;
  const char* hint;  // nullptr where the control has none
  bool hidden;       // a control that is never shown
};

struct GroupInfo {
  OptionGroup group;
  const char* frameCaption;
  std::array<Option, 3> members;  // in window order; memberCount of them are used
  std::size_t memberCount;
  Option defaultMember;

  std::span<const Option> Members() const { return {members.data(), memberCount}; }
};

// Every option, in settings-file order.
const std::array<OptionInfo, kOptionCount>& Options();
const OptionInfo& InfoOf(Option option);

// The seven radio groups, in the order the Preferences window and the summary labels use.
const std::array<GroupInfo, 7>& Groups();
const GroupInfo& InfoOf(OptionGroup group);

class Preferences {
 public:
  // A record holding every default.
  Preferences();

  bool Is(Option option) const { return values_[static_cast<std::size_t>(option)]; }

  // Setting a group member true clears the other members of its group; setting it false
  // clears only that member, so a group can be left empty.
  void Set(Option option, bool value);

  // The first set member of the group in window order, if any.
  std::optional<Option> SetMember(OptionGroup group) const;

  // The set member, or the group's default member when a hand-edited settings file left the
  // group empty: what the conversion acts on.
  Option Effective(OptionGroup group) const;

  bool operator==(const Preferences&) const = default;

 private:
  std::array<bool, kOptionCount> values_{};
};

}  // namespace pixmora

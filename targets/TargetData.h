#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "image/TBitmap32.h"
#include "targets/TargetSettings.h"

namespace pixmora {

enum class ElementType { Uint8, Uint16, UnsignedChar, Uint32 };

// One array of the output.
struct TargetArray {
  std::string name;
  ElementType type = ElementType::Uint8;
  bool progmem = false;
  std::string length;                 // the element count in terms of the size macros
  std::vector<std::uint8_t> bytes;    // the elements of an 8-bit array
  std::vector<std::uint16_t> words;   // the elements of a 16-bit array
  std::vector<std::uint32_t> dwords;  // the elements of a 32-bit array
};

// What a target makes of the picture, before it becomes text or raw bytes.
struct TargetData {
  std::string name;       // a C identifier
  std::string macroName;  // its upper-case form
  std::string target;     // as messages and the comment name it
  int width = 0;
  int height = 0;
  std::vector<std::pair<std::string, std::string>> macros;  // name, value
  std::vector<TargetArray> arrays;                          // in output order
  std::vector<std::string> notes;        // the comment's lines on layout, bits and transparency
  std::vector<std::string> drawCalls;    // the comment's lines on the calls that draw it
  std::optional<LvglFormat> lvglFormat;  // lvgl9: the descriptor that points at the data
  int lvglStride = 0;
};

struct TargetInput {
  const TBitmap32& image;
  std::span<const std::uint32_t> palette;  // the picture's palette, 0x00BBGGRR; may be empty
  const TargetSettings& settings;
  std::string name;  // a C identifier
};

struct TargetResult {
  std::string error;  // why the picture cannot be written for the target; empty on success
  TargetData data;
};

// Runs the target of input.settings (anything but Classic).
TargetResult EncodeTarget(const TargetInput& input);

}  // namespace pixmora

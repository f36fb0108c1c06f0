#pragma once

#include <optional>
#include <string_view>

#include "decode/TargetLayout.h"

namespace pixmora {

// What a target's C text says about its picture outside the arrays: the size macros
// (NAME_WIDTH / NAME_HEIGHT, or the X bitmap's NAME_width / NAME_height) and the fields of an
// LVGL image descriptor (.header.cf, .w, .h, .stride). The first of each counts.
struct CodeFacts {
  int width = 0;  // 0: not said
  int height = 0;
  std::optional<LvglFormat> colorFormat;
  int stride = 0;

  // Takes what `other` says where this says nothing.
  void Add(const CodeFacts& other);
  // Sets what the text says in the layout, over the layout's own values.
  void ApplyTo(TargetLayout& layout) const;
};

CodeFacts ReadCodeFacts(std::string_view text);

}  // namespace pixmora

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "decode/ArrayText.h"
#include "decode/ClassicLayout.h"
#include "decode/OutputDecoder.h"
#include "decode/TargetLayout.h"

namespace pixmora {

// How an output was written, whichever its layout.
struct OutputLayout {
  std::optional<TargetLayout> target;  // none: the classic output
  ClassicLayout classic;
  TextSyntax syntax;  // of the text: C for what a target writes
  // Classic palette data whose color table no file holds: the table's values as a file would.
  std::optional<std::vector<std::uint16_t>> colorTable;
};

struct WrittenFile {
  std::string name;  // for messages
  std::string_view bytes;
};

// The picture that written files show. `binary`: raw bytes, else text. `companion` is the classic
// color table's file of its own, or the .h of a target's .c/.h pair, whose size macros count.
// A target text's own size macros and LVGL descriptor win over the layout's size and format.
DecodeOutcome DecodeWritten(const OutputLayout& layout, bool binary, const WrittenFile& main,
                            const WrittenFile* companion = nullptr);

}  // namespace pixmora

#pragma once

#include <cstdlib>

#include "decode/ArrayText.h"
#include "decode/OutputDecoder.h"

namespace pixmora {

// The text syntax a fuzz input chooses with two bits; the custom one with tokens that differ
// from every other syntax's.
inline TextSyntax FuzzSyntax(int code) {
  TextSyntax syntax{static_cast<ArraySyntax>(code)};
  if (syntax.kind == ArraySyntax::Custom) {
    syntax.custom = {.Kind = OutputKind::Custom,
                     .RowPrefix = "db ",
                     .HexPrefix = "$",
                     .HexSuffix = "B",
                     .Separator = "; ",
                     .OpenBrace = "{",
                     .Caption = "x"};
  }
  return syntax;
}

// A decoded output is a whole picture, or no picture and a message that names the file.
inline void CheckDecodeOutcome(const DecodeOutcome& outcome) {
  const TBitmap32& picture = outcome.picture;
  const bool sound =
      outcome.Ok() ? !picture.Empty() &&
                         picture.PixelCount() == static_cast<std::size_t>(picture.Width()) *
                                                     static_cast<std::size_t>(picture.Height())
                   : picture.Empty() && outcome.error.starts_with("Cannot decode \"fuzz.h\": ");
  if (!sound)
    std::abort();
}

}  // namespace pixmora

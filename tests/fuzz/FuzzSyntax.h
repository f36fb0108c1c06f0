#pragma once

#include "decode/ArrayText.h"

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

}  // namespace pixmora

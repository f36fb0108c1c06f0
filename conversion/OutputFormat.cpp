#include "conversion/OutputFormat.h"

namespace pixmora {

OutputKind ChosenOutputKind(const Preferences& preferences) {
  if (preferences.Is(Option::CArray))
    return OutputKind::CArray;
  if (preferences.Is(Option::BasicData))
    return OutputKind::BasicData;
  return OutputKind::Custom;
}

OutputFormat MakeOutputFormat(const Preferences& preferences, const CustomFormat& custom) {
  switch (ChosenOutputKind(preferences)) {
    case OutputKind::CArray:
      return {};
    case OutputKind::BasicData: {
      // Assigned as strings: GCC 12 warns wrongly about assigning short literals.
      OutputFormat format;
      format.Kind = OutputKind::BasicData;
      format.RowPrefix = std::string("Data ");
      format.HexPrefix = std::string("&h");
      format.HexSuffix = std::string(preferences.Is(Option::Word) ? "%" : "");
      format.ValuesPerLine = 8;
      format.CloseBrace = std::string();
      return format;
    }
    case OutputKind::Custom:
      break;
  }
  return {.Kind = OutputKind::Custom,
          .RowPrefix = custom.RowDirective + " ",
          .HexPrefix = custom.HexNotation,
          .HexSuffix = custom.EndNotation,
          .Separator = custom.CommaSymbol + " ",
          .ValuesPerLine = custom.BytesPerLine(),
          .CloseBrace = custom.CloseBrace,
          .OpenBrace = custom.OpenBrace,
          .Caption = custom.Caption,
          .CommentStart = custom.CommentStart,
          .CommentEnd = custom.CommentEnd};
}

}  // namespace pixmora

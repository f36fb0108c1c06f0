#pragma once

#include <string>

#include "settings/CustomFormat.h"
#include "settings/Preferences.h"

namespace pixmora {

enum class OutputKind { CArray, BasicData, Custom };

// How the data lines of the chosen output format are written.
struct OutputFormat {
  OutputKind Kind = OutputKind::CArray;
  std::string RowPrefix;
  std::string HexPrefix = "0x";
  std::string HexSuffix;
  std::string Separator = ", ";
  int ValuesPerLine = 16;
  std::string CloseBrace = "};";
  // Custom format only.
  std::string OpenBrace;
  std::string Caption;
  std::string CommentStart;
  std::string CommentEnd;

  bool operator==(const OutputFormat&) const = default;
};

// C array, then BASIC data; with neither set (custom, or a group a hand-edited settings file
// left empty) the custom format applies. HexSuffix is that of the image data.
OutputKind ChosenOutputKind(const Preferences& preferences);
OutputFormat MakeOutputFormat(const Preferences& preferences, const CustomFormat& custom);

}  // namespace pixmora

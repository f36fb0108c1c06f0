#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/OutputFormat.h"

namespace pixmora {

// How an output text writes its arrays.
enum class ArraySyntax {
  CArray,     // values in braces, C comments anywhere
  BasicData,  // "Data" lines; a label line ("name:") opens an array; ' comments
  Custom,     // the tokens of a custom format; the line "Caption OpenBrace" opens an array
  PlainList,  // hexadecimal values, with or without 0x, between commas or blanks: one array
};

struct TextSyntax {
  ArraySyntax kind = ArraySyntax::CArray;
  // Custom only: the tokens as the conversion writes them (MakeOutputFormat).
  OutputFormat custom;
};

// One array of the text: its values in order, each at most 16 bits.
struct TextArray {
  std::size_t line = 0;  // where the array opens, counted from 1
  std::vector<std::uint16_t> values;
};

// A place in a text, both counted from 1.
struct TextPlace {
  std::size_t line = 0;
  std::size_t column = 0;
};

struct ArrayText {
  std::vector<TextArray> arrays;  // in text order
  std::string error;              // "line L, column C: what is wrong"; empty when read
};

// Every array of the text, or the first place where the text is not what the syntax allows.
// Line ends are CR LF or LF.
ArrayText ReadArrayText(std::string_view text, const TextSyntax& syntax);

// C when the text has a brace, BASIC when a line starts with "Data", else a plain list. A
// custom format cannot be recognised: its tokens have to be given.
ArraySyntax DetectArraySyntax(std::string_view text);

// Where value `index` of array `array` (both from 0) starts; line 0 when there is no such value.
TextPlace PlaceOfValue(std::string_view text, const TextSyntax& syntax, std::size_t array,
                       std::size_t index);

}  // namespace pixmora

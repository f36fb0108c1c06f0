#include "decode/DecodeOutputFile.h"

#include <string>

namespace pixmora {

namespace {

DecodeOutcome Failed(std::string_view fileName, const std::string& place, DecodeOutcome outcome) {
  outcome.error = "Cannot decode \"" + std::string(fileName) +
                  "\": " + (place.empty() ? std::string() : place + ": ") + outcome.error;
  return outcome;
}

}  // namespace

DecodeOutcome DecodeOutputText(std::string_view fileName, std::string_view text,
                               const TextSyntax& syntax, const OutputDecoder& decoder) {
  const ArrayText read = ReadArrayText(text, syntax);
  if (!read.error.empty())
    return Failed(fileName, {}, DecodeOutcome::Failure(read.error));
  DecodeOutcome outcome = decoder.DecodeArrays(read.arrays);
  if (outcome.Ok())
    return outcome;
  std::string place;
  if (outcome.position) {
    const DataPosition at = *outcome.position;
    const TextPlace value = PlaceOfValue(text, syntax, at.array, at.index);
    if (value.line != 0) {
      place = "line " + std::to_string(value.line) + ", column " + std::to_string(value.column);
    } else if (at.array < read.arrays.size()) {
      place = "line " + std::to_string(read.arrays[at.array].line);
    }
  }
  return Failed(fileName, place, std::move(outcome));
}

DecodeOutcome DecodeOutputBinary(std::string_view fileName, std::span<const std::uint8_t> bytes,
                                 const OutputDecoder& decoder) {
  DecodeOutcome outcome = decoder.DecodeBinary(bytes);
  if (outcome.Ok())
    return outcome;
  const std::string place =
      outcome.position ? "byte " + std::to_string(outcome.position->index) : std::string();
  return Failed(fileName, place, std::move(outcome));
}

}  // namespace pixmora

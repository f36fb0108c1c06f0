#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "decode/ClassicLayout.h"
#include "decode/OutputDecoder.h"

namespace pixmora {

// The decoder of the classic output: the color table (Palette mode), the image information,
// the Word step, the run-length coding and the encoders are undone in turn.
//
// A text holds the image array, after the color table's array when the table is in the same
// file. A binary file holds the table's bytes (binaryTableColors of the layout), then the six
// bytes of the image information when it is included, then the data.
class ClassicDecoder : public OutputDecoder {
 public:
  explicit ClassicDecoder(const ClassicLayout& layout) : layout_(layout) {}

  // The color table of a file of its own, its values as that file holds them; used when the
  // file decoded has no table.
  void UseColorTable(std::vector<std::uint16_t> values) { separateTable_ = std::move(values); }

  DecodeOutcome DecodeArrays(std::span<const TextArray> arrays) const override;
  DecodeOutcome DecodeBinary(std::span<const std::uint8_t> bytes) const override;

 private:
  DecodeOutcome Decode(std::span<const std::uint16_t> image,
                       const std::vector<std::uint16_t>* table) const;

  ClassicLayout layout_;
  std::optional<std::vector<std::uint16_t>> separateTable_;
};

// The values of binary output: one per byte, or with `words` one per pair of bytes, the high
// byte first; nothing when words meet an odd number of bytes.
std::optional<std::vector<std::uint16_t>> BinaryValues(std::span<const std::uint8_t> bytes,
                                                       bool words);

}  // namespace pixmora

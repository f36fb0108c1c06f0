#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "decode/ArrayText.h"
#include "image/TBitmap32.h"

namespace pixmora {

// Where a decoder met the fault: a value of an array of the text, or a byte of a binary file.
struct DataPosition {
  std::size_t array = 0;  // text: the array's number in file order, from 0; binary: 0
  std::size_t index = 0;  // text: the value's number in that array, from 0; binary: the offset
};

struct DecodeOutcome {
  TBitmap32 picture;  // pixels 0xAARRGGBB as the display shows them
  std::string error;  // what is wrong; empty when decoded
  std::optional<DataPosition> position;

  bool Ok() const { return error.empty(); }
  static DecodeOutcome Failure(std::string reason, std::optional<DataPosition> where = {}) {
    return {{}, std::move(reason), where};
  }
};

// Turns what an output layout wrote back into the pixels a display shows. One per layout: the
// classic output, and each target.
class OutputDecoder {
 public:
  virtual ~OutputDecoder() = default;
  // The arrays of an output text, in file order.
  virtual DecodeOutcome DecodeArrays(std::span<const TextArray> arrays) const = 0;
  // The bytes of a binary output file.
  virtual DecodeOutcome DecodeBinary(std::span<const std::uint8_t> bytes) const = 0;
};

}  // namespace pixmora

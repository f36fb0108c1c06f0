#pragma once

#include "decode/OutputDecoder.h"
#include "decode/TargetLayout.h"

namespace pixmora {

// The decoder of a target's output, from the layouts the display libraries read. A text holds
// the target's arrays in their order (the pixels, then a mask or a color map; lvgl9 its map);
// a binary file holds the same bytes one array after the other, 16-bit values little-endian,
// and for lvgl9 the 12-byte image header first, whose format, size and stride win over the
// layout's.
class TargetDecoder : public OutputDecoder {
 public:
  explicit TargetDecoder(const TargetLayout& layout) : layout_(layout) {}

  DecodeOutcome DecodeArrays(std::span<const TextArray> arrays) const override;
  DecodeOutcome DecodeBinary(std::span<const std::uint8_t> bytes) const override;

 private:
  TargetLayout layout_;
};

// "rgb565", "rgb565 --swap-bytes --mask", "lvgl9 --cf I4": the layout as messages name it.
std::string LayoutLabel(const TargetLayout& layout);

}  // namespace pixmora

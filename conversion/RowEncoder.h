#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>

#include "conversion/ColorIndex.h"
#include "conversion/EncodingPlan.h"

namespace pixmora {

// Encodes a picture a band of rows at a time into the byte values that the engine's encoders
// give the whole picture, so an output can be written while the picture is read. Bytes that
// span two bands (nibbles, bits, packed indices) are carried over.
class RowEncoder {
 public:
  // `table`: the colors Palette mode searches. `threshold`: monochrome bits as a threshold at
  // that position would leave the pixels, without making the thresholded copy.
  RowEncoder(const EncodingPlan& plan, std::span<const std::uint32_t> table,
             std::optional<std::uint32_t> threshold);

  // Every band but the last holds a multiple of this many rows (the pages of vertical
  // monochrome).
  int RowStep() const { return plan_.encoding == PixelEncoding::MonochromeVertical ? 8 : 1; }
  // The most bytes a band of `pixels` pixels gives.
  static std::size_t MaxBytes(std::size_t pixels) { return 2 * pixels + 1; }

  // Writes the bytes of `rows` rows of `width` pixels each (one after the other in `pixels`)
  // at `out` and moves it past them. False when a pixel is in no table entry (Palette mode).
  bool Encode(const std::uint32_t* pixels, int width, int rows, std::uint8_t*& out);
  // The byte the last pixels left incomplete, if any.
  void Finish(std::uint8_t*& out);

 private:
  template <class IsBlack>
  void EncodeMonochrome(const std::uint32_t* pixels, int width, int rows, std::uint8_t*& out,
                        IsBlack isBlack);
  void PutBits(std::uint32_t value, int bits, std::uint8_t*& out);

  EncodingPlan plan_;
  std::optional<std::uint32_t> threshold_;
  std::unique_ptr<ColorIndex> index_;
  // Bits of the byte being filled: from the top for nibbles and indices, shifted in from the
  // top for horizontal monochrome.
  std::uint32_t pending_ = 0;
  int pendingBits_ = 0;
};

}  // namespace pixmora

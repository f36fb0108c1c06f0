#pragma once

#include <cstdint>

#include "conversion/ConversionEngine.h"

namespace pixmora {

enum class PixelEncoding {
  Color332,
  Color444,
  Color565,
  MonochromeVertical,
  MonochromeHorizontal,
  PaletteIndices,
};

// What the settings make of a run before any pixel is read: the encoding, how the values are
// joined and coded, and the color mode word as it stands before compression and byte order.
struct EncodingPlan {
  PixelEncoding encoding = PixelEncoding::Color565;
  int indexBits = 8;  // palette indices: 8, 4, 2 or 1 bits, packed from the top of each byte
  std::uint16_t colorModeWord = 0;
  bool word = false;
  bool lsbFirst = false;
  bool compression = false;
};

// A palette run needs at most 256 colors; that is checked by whoever runs the plan.
EncodingPlan PlanEncoding(const ConversionInput& input);

// The byte values the encoding gives width x height pixels, before words are joined.
std::uint64_t EncodedByteCount(const EncodingPlan& plan, std::uint16_t width, std::uint16_t height);

}  // namespace pixmora

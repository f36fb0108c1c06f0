#pragma once

#include <array>
#include <string>

#include "image/ImageDocument.h"

namespace pixmora {

// The six color counts of "Resample Image", in menu order, with their bits per pixel.
struct TReductionCount {
  int Colors;
  int Bits;
};
inline constexpr std::array<TReductionCount, 6> kReductionCounts{
    {{256, 8}, {128, 7}, {64, 6}, {32, 5}, {16, 4}, {8, 3}}};

// The bits for a color count of the menu, or 0 for any other count.
int ReductionBits(int colors);

// The count items after a click, given their states after the platform toggled the clicked
// item: when that left none checked, the clicked item is checked again.
std::array<bool, 6> CountItemsAfterClick(std::array<bool, 6> checked, int clicked);

// Reduces to 2^bits colors (bits 1 to 8) from the working image when it was cropped, else from
// ColorImageCopy. The reduced image becomes the working image and PaletteImageCopy, its palette
// ColorTable / PaletteColorCount, and the mode Palette. On failure (out of memory) the message
// comes back and the document is unchanged.
std::string ReduceColors(ImageDocument& document, int bits);

// The same from a source of the caller's choice (the command line reduces the image as its
// earlier edits left it).
std::string ReduceColorsFrom(ImageDocument& document, const TBitmap32& source, int bits);

}  // namespace pixmora

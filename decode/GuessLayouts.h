#pragma once

#include <string>
#include <vector>

#include "decode/DecodeWritten.h"

namespace pixmora {

struct LayoutGuess {
  std::string name;  // fit for a file name: "classic-info-word-lsb", "rgb565-swap", "lvgl9-I4"
  OutputLayout layout;
};

// The layouts that may have written a file, for trying each: the classic output in Byte, Word
// and Word with LSB first, with its image information (a color table of words in the text or,
// for a binary file, of `tableColors` colors), and when the size is known
// also without it, in each color and monochrome encoding, compressed or not; then every target
// and LVGL format (the size from the file where it gives one). Palette data without the image
// information is not guessed.
std::vector<LayoutGuess> GuessLayouts(bool binary, int width, int height, int tableColors,
                                      const TextSyntax& syntax);

}  // namespace pixmora

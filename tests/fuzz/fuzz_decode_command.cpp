// What `pixmora-cli decode` reads: any file, text or binary, with any classic or target layout,
// or every layout of --guess: a picture of the size the layout gives, or a message that names
// the file, and never anything else.
//
// The first six bytes choose the reading; the rest is the file:
//   0: bit 0 binary, bits 1-2 the text syntax, bit 3 a target, bit 4 --guess, bit 5 swapped
//      bytes, bit 6 a mask, bit 7 inverted bits
//   1: a target: the target (of the 11); classic: bit 0 Word, bit 1 LSB first, bit 2 image
//      information, bit 3 color table words
//   2: a target: the LVGL format; classic: the color mode word's low byte
//   3, 4: width and height (0: not given)
//   5: a target: the stride (0: from the alignment); classic: the colors of a binary table
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "decode/DecodeWritten.h"
#include "decode/GuessLayouts.h"
#include "tests/fuzz/FuzzOutputs.h"

namespace {

constexpr std::size_t kChoices = 6;

pixmora::OutputLayout LayoutOf(const std::uint8_t* c, const pixmora::TextSyntax& syntax) {
  pixmora::OutputLayout layout;
  layout.syntax = syntax;
  if ((c[0] & 0x08) == 0) {
    layout.classic = {.word = (c[1] & 1) != 0,
                      .lsbFirst = (c[1] & 2) != 0,
                      .includeInfo = (c[1] & 4) != 0,
                      .tableWord = (c[1] & 8) != 0,
                      .colorModeWord = c[2],
                      .width = c[3],
                      .height = c[4],
                      .binaryTableColors = c[5]};
    return layout;
  }
  const std::size_t targets = pixmora::kTargets.size() - 1;
  layout.target = pixmora::TargetLayout{
      .target = pixmora::kTargets[1 + c[1] % targets].kind,
      .colorFormat = pixmora::kLvglFormats[c[2] % pixmora::kLvglFormats.size()].format,
      .swapBytes = (c[0] & 0x20) != 0,
      .mask = (c[0] & 0x40) != 0,
      .invert = (c[0] & 0x80) != 0,
      .width = c[3],
      .height = c[4],
      .stride = c[5]};
  return layout;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < kChoices)
    return 0;
  const bool binary = (data[0] & 0x01) != 0;
  const pixmora::TextSyntax syntax = pixmora::FuzzSyntax((data[0] >> 1) & 3);
  const pixmora::WrittenFile file{
      "fuzz.h", {reinterpret_cast<const char*>(data + kChoices), size - kChoices}};
  if ((data[0] & 0x10) == 0) {
    pixmora::CheckDecodeOutcome(pixmora::DecodeWritten(LayoutOf(data, syntax), binary, file));
    return 0;
  }
  for (const pixmora::LayoutGuess& guess :
       pixmora::GuessLayouts(binary, data[3], data[4], data[5], syntax))
    pixmora::CheckDecodeOutcome(pixmora::DecodeWritten(guess.layout, binary, file));
  return 0;
}

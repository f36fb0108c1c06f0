// Any output file, text or binary, with any layout: a picture of the size the data gives, or a
// message that names the file, and never anything else.
//
// The first six bytes choose the reading; the rest is the file:
//   0: bit 0 binary, bits 1-2 the text syntax, bit 3 Word, bit 4 LSB first, bit 5 image
//      information, bit 6 color table words, bit 7 a color table given apart
//   1-2: the color mode word without the information, high byte first
//   3, 4: width and height without the information
//   5: the colors of a binary file's table
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "decode/ClassicDecoder.h"
#include "decode/DecodeOutputFile.h"
#include "tests/fuzz/FuzzOutputs.h"

namespace {

constexpr std::size_t kChoices = 6;
constexpr std::string_view kName = "fuzz.h";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < kChoices)
    return 0;
  const std::uint8_t flags = data[0];
  const pixmora::ClassicLayout layout{
      .word = (flags & 0x08) != 0,
      .lsbFirst = (flags & 0x10) != 0,
      .includeInfo = (flags & 0x20) != 0,
      .tableWord = (flags & 0x40) != 0,
      .colorModeWord = static_cast<std::uint16_t>(data[1] << 8 | data[2]),
      .width = data[3],
      .height = data[4],
      .binaryTableColors = data[5]};
  pixmora::ClassicDecoder decoder(layout);
  if (flags & 0x80)
    decoder.UseColorTable({0xF8, 0x00, 0x07, 0xE0, 0x00, 0x1F, 0xFF, 0xFF, 0x00, 0x00});
  const std::span<const std::uint8_t> file(data + kChoices, size - kChoices);
  const pixmora::DecodeOutcome outcome =
      (flags & 0x01) != 0 ? pixmora::DecodeOutputBinary(kName, file, decoder)
                          : pixmora::DecodeOutputText(
                                kName, {reinterpret_cast<const char*>(file.data()), file.size()},
                                pixmora::FuzzSyntax((flags >> 1) & 3), decoder);
  pixmora::CheckDecodeOutcome(outcome);
  return 0;
}

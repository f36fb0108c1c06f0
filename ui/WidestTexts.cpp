#include "ui/WidestTexts.h"

#include <utility>

namespace pixmora {

namespace {

// Sizes are at most 65535 pixels a side; files and outputs may pass 4 GB. "Word" is wider
// than "Byte" and "Horizontal" than "Vertical" in every usual font.
constexpr std::pair<std::string_view, const char*> kWidest[] = {
    {"lblSize", "Size: 8589934592 bytes"},
    {"lblDimensions", "Dimensions: 65535 x 65535"},
    {"lblAnimations", "Animations: 65535 from 65535"},
    {"lblColors", "Colors: 16M"},
    {"lblConvertMode", "Convert mode: Monochrome"},
    {"lblColorMode", "Color mode: 65536 (5-6-5)"},
    {"lblMonochromeMode", "Monochrome orientation: Horizontal"},
    {"lblColorTableRepresentation", "Color table representation: Word"},
    {"lblPixelsPerByte", "Pixels per byte (palette mode): 1 - 8"},
    {"lblOutputDataFormat", "Output data format: Custom format"},
    {"lblOutputDataRepresentation", "Output data representation: Word"},
    {"lblCompression", "Compression: Off"},
    {"lblOutputDataSize", "Output data size: 8589934592 bytes"},
    {"lblColorTableSize", "Color table size: 65536 bytes"},
    {"lblCompressionRatio", "Compression ratio: 65535%"},
    {"lblImageDimensions", "Dimensions: 65535 x 65535"},
    {"lblImageZoom", "Zoom: 9900%"},
    {"lblCropSelection", "Selection: 65535, 65535, 65535 x 65535"},
};

}  // namespace

const char* WidestLabelText(std::string_view name) {
  for (const auto& [label, text] : kWidest) {
    if (label == name)
      return text;
  }
  return nullptr;
}

}  // namespace pixmora

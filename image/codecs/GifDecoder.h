#pragma once

#include <cstdint>
#include <span>

#include "image/codecs/Decoder.h"

namespace pixmora {

// A GIF file through giflib. With fewer than two images the picture is the first image on the
// logical screen; the uncovered area takes the background color entry of the global table
// (black without one), and a screen too small for the image grows to hold it. An animated
// GIF gives image `frameIndex` alone at its own size. Transparent indices keep their colors.
// The palette is the shown image's local color table when it has one, else the global table.
DecodeResult DecodeGif(std::span<const std::uint8_t> file, int frameIndex);

}  // namespace pixmora

#pragma once

#include <span>
#include <string>

#include "conversion/ConversionEngine.h"
#include "image/codecs/GifAnimation.h"
#include "targets/TargetData.h"

namespace pixmora {

struct ClassicFramesInput {
  std::span<const AnimationFrame> frames;
  // The mode, preferences and, in Palette mode, the one color table of every frame; the picture
  // and its size are each frame's.
  const ConversionInput& conversion;
  std::string name;  // a C identifier
  bool delta = false;
};

// The classic output of every frame in one table: each frame is what a conversion of that
// picture alone makes (the image information when it is included, then the data, compressed
// on its own), so pixmora_decode.h decodes any frame by itself. The table is C, as a target
// writes it; in Palette mode the color table comes once, as Table_NAME.
TargetResult EncodeClassicFrames(const ClassicFramesInput& input, MessageBoxService& messages);

}  // namespace pixmora

#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "image/TBitmap32.h"

namespace pixmora {

// One picture of an animation as a viewer shows it, and how long it stays.
struct AnimationFrame {
  TBitmap32 image;
  int delayMs = 0;
};

struct GifAnimation {
  std::string error;  // the reason, without the file name; empty when read
  std::vector<AnimationFrame> frames;
  std::vector<std::uint32_t> palette;  // the global color table, 0x00BBGGRR; may be empty
};

// All frames of an animation together hold at most this many pixels.
inline constexpr std::uint64_t kMaxAnimationPixels = std::uint64_t{1} << 28;

// A GIF delay of 0 is shown for this long, as browsers show it.
inline constexpr int kZeroDelayShownMs = 100;

// Every image of a GIF drawn onto the logical screen as a viewer shows it: at its offset, its
// transparent index leaving what lies below, then disposed of as its graphic control extension
// says (kept, restored to the background or restored to the picture before it). The screen
// starts as the background and grows to hold an image beyond it, as the single-image load does.
// Pixels nothing has covered keep the background color and a coverage of 0, so the classic
// output shows that color and the targets their own background.
GifAnimation DecodeGifAnimation(std::span<const std::uint8_t> file);

}  // namespace pixmora

#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "image/codecs/GifAnimation.h"

namespace pixmora {

struct SharedPalette {
  std::string error;                  // more colors than the table holds; empty otherwise
  std::vector<std::uint32_t> colors;  // 0x00BBGGRR
};

// One color table for every frame: the pictures' own palette as it is when it holds every
// pixel's color and has at most maxColors entries, else the colors of all frames in the order
// they first appear.
SharedPalette FramesPalette(std::span<const AnimationFrame> frames,
                            std::span<const std::uint32_t> palette, int maxColors);

// Reduces every frame to 2^bits colors (1 to 8) of one palette: an octree over the pixels of all
// frames, then each frame dithered onto it on its own, so a still area stays the same from frame
// to frame. Returns the palette (2^bits entries, 0x00BBGGRR); coverage stays as it was.
std::vector<std::uint32_t> ReduceFrames(std::vector<AnimationFrame>& frames, int bits);

}  // namespace pixmora

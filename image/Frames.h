#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "image/codecs/GifAnimation.h"

namespace pixmora {

// The frames of an animation or a sprite sheet, all of one size.
struct FrameSet {
  std::string error;  // names the file and the reason; empty when read
  std::vector<AnimationFrame> frames;
  // The palette the pictures came with (a GIF's global table, a palette picture's), 0x00BBGGRR;
  // empty without one.
  std::vector<std::uint32_t> palette;
};

// Sprite sheets and strips carry no timing; their frames stay this long.
inline constexpr int kSheetFrameDelayMs = 100;

// Every frame of a GIF composed as a viewer shows it.
FrameSet ReadGifFrames(const std::string& fileName);

// Frame `index` of a GIF composed as a viewer shows it, for a preview of one frame; `error`
// names the file and the reason when there is none.
TBitmap32 ComposedGifFrame(const std::string& fileName, int index, std::string& error);

// A sheet cut into frames of frameWidth x frameHeight, left to right, top to bottom. `source`
// names the sheet in the error when the sheet is no whole number of frames.
FrameSet CutFrameGrid(const TBitmap32& sheet, int frameWidth, int frameHeight,
                      const std::string& source);

// Pictures of one size as the frames, in order; a GIF gives its first image, as it opens.
FrameSet ReadFrameFiles(std::span<const std::string> fileNames);

// Keeps frames first to last (from 0). Returns why they do not exist, or an empty text.
std::string SelectFrames(FrameSet& set, int first, int last);

}  // namespace pixmora

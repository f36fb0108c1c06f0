#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "image/codecs/GifAnimation.h"
#include "targets/TargetData.h"

namespace pixmora {

// What one picture becomes; arrays[0] holds its data, a `_mask` array is kept per frame like
// the data, every other array (a color map or table) is the same for all frames and kept once.
using PictureEncoder = std::function<TargetResult(const TBitmap32& picture)>;

struct FrameTableInput {
  std::span<const AnimationFrame> frames;  // at least one, all of one size
  PictureEncoder encode;
  // Each frame after the first stores only the rectangle that changed from the frame before:
  // x, y, w, h as 16-bit values (low byte first in memory), then that rectangle's data.
  bool delta = false;
  // A changed rectangle starts and ends on a multiple of these rows (8 for pages).
  int rowAlign = 1;
};

// The frames one after the other in the data array NAME, with NAME_FRAME_COUNT, the size macros
// of the first frame, NAME_frames (byte offset and byte length of each frame in NAME),
// NAME_delays (milliseconds) and, with delta, NAME_delta (1 where the frame is a rectangle).
TargetResult EncodeFrameTable(const FrameTableInput& input);

// The 16-bit x, y, w and h ahead of a delta frame: 8 bytes.
inline constexpr std::size_t kDeltaHeaderBytes = 8;

struct FramesInput {
  std::span<const AnimationFrame> frames;
  std::span<const std::uint32_t> palette;  // the pictures' own palette; may be empty
  const TargetSettings& settings;          // any target but Classic
  std::string name;                        // a C identifier
  bool delta = false;
};

// The frame table of a target. An index target reads one palette for all frames: the pictures'
// own, or the colors of all frames together.
TargetResult EncodeTargetFrames(const FramesInput& input);

}  // namespace pixmora

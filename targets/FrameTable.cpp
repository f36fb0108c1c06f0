#include "targets/FrameTable.h"

#include <algorithm>

#include "image/FrameDelta.h"
#include "image/FramePalette.h"

namespace pixmora {

namespace {

bool EndsWith(const std::string& text, std::string_view end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The arrays kept per frame: the data and a mask.
bool PerFrame(const TargetData& data, std::size_t index) {
  return index == 0 || EndsWith(data.arrays[index].name, "_mask");
}

std::size_t ByteSize(const TargetArray& array) {
  return array.bytes.size() + 2 * array.words.size();
}

void Append(TargetArray& to, const TargetArray& from) {
  to.bytes.insert(to.bytes.end(), from.bytes.begin(), from.bytes.end());
  to.words.insert(to.words.end(), from.words.begin(), from.words.end());
}

void AppendHeader(TargetArray& to, FrameRect rect) {
  for (const int value : {rect.x, rect.y, rect.width, rect.height}) {
    if (to.type == ElementType::Uint16) {
      to.words.push_back(static_cast<std::uint16_t>(value));
    } else {
      to.bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
      to.bytes.push_back(static_cast<std::uint8_t>(value >> 8));
    }
  }
}

FrameRect AlignRows(FrameRect rect, int align, int height) {
  if (rect.Empty() || align <= 1)
    return rect;
  const int top = rect.y / align * align;
  const int bottom = std::min(height, (rect.y + rect.height + align - 1) / align * align);
  return {rect.x, top, rect.width, bottom - top};
}

void AddTables(TargetData& data, const std::vector<std::uint32_t>& places,
               std::span<const AnimationFrame> frames, const std::vector<std::uint8_t>& deltas) {
  const std::string m = data.macroName;
  const std::string count = std::to_string(frames.size());
  data.macros.insert(data.macros.begin(), {m + "_FRAME_COUNT", count});
  TargetArray table{data.name + "_frames", ElementType::Uint32, false, m + "_FRAME_COUNT * 2"};
  table.dwords = places;
  TargetArray delays{data.name + "_delays", ElementType::Uint16, false, m + "_FRAME_COUNT"};
  for (const AnimationFrame& frame : frames)
    delays.words.push_back(static_cast<std::uint16_t>(std::clamp(frame.delayMs, 0, 65535)));
  data.notes.push_back(count + " frames one after the other in " + data.arrays[0].name +
                       ": frame i starts at byte " + table.name + "[2 * i] and is " + table.name +
                       "[2 * i + 1] bytes long; show it for " + delays.name + "[i] milliseconds");
  data.arrays.push_back(std::move(table));
  data.arrays.push_back(std::move(delays));
  if (deltas.empty())
    return;
  TargetArray marks{data.name + "_delta", ElementType::Uint8, false, m + "_FRAME_COUNT"};
  marks.bytes = deltas;
  data.notes.push_back(
      "Where " + marks.name +
      "[i] is 1 the frame holds only what changed: x, y, w, h as 16-bit values (low byte "
      "first), then the w x h rectangle in the layout above, drawn at (x, y) over the frame "
      "before; w = 0 changes nothing");
  data.arrays.push_back(std::move(marks));
}

}  // namespace

TargetResult EncodeFrameTable(const FrameTableInput& input) {
  TargetResult result;
  std::vector<std::uint32_t> places;
  std::vector<std::uint8_t> deltas;
  const TBitmap32* previous = nullptr;
  for (const AnimationFrame& frame : input.frames) {
    const bool delta = input.delta && previous != nullptr;
    const FrameRect rect =
        delta ? AlignRows(ChangedRect(*previous, frame.image), input.rowAlign, frame.image.Height())
              : FrameRect{0, 0, frame.image.Width(), frame.image.Height()};
    TargetResult part;
    if (!rect.Empty()) {
      part = input.encode(delta ? CropFrame(frame.image, rect) : frame.image);
      if (!part.error.empty())
        return {"frame " + std::to_string(places.size() / 2) + ": " + part.error, {}};
    }
    if (previous == nullptr) {
      result.data = part.data;
      for (std::size_t k = 0; k < result.data.arrays.size(); ++k) {
        if (!PerFrame(result.data, k))
          continue;
        // Whole frames are all of one size: the data grows once.
        TargetArray& array = result.data.arrays[k];
        array.bytes.clear();
        array.words.clear();
        array.bytes.reserve(part.data.arrays[k].bytes.size() * input.frames.size());
        array.words.reserve(part.data.arrays[k].words.size() * input.frames.size());
      }
    }
    TargetArray& data = result.data.arrays[0];
    const std::size_t start = ByteSize(data);
    if (delta)
      AppendHeader(data, rect);
    for (std::size_t k = 0; k < part.data.arrays.size(); ++k) {
      if (PerFrame(result.data, k))
        Append(result.data.arrays[k], part.data.arrays[k]);
    }
    places.push_back(static_cast<std::uint32_t>(start));
    places.push_back(static_cast<std::uint32_t>(ByteSize(data) - start));
    if (input.delta)
      deltas.push_back(delta ? 1 : 0);
    previous = &frame.image;
  }
  for (std::size_t k = 0; k < result.data.arrays.size(); ++k) {
    TargetArray& array = result.data.arrays[k];
    if (PerFrame(result.data, k))
      array.length = std::to_string(array.bytes.size() + array.words.size());
  }
  AddTables(result.data, places, input.frames, deltas);
  return result;
}

TargetResult EncodeTargetFrames(const FramesInput& input) {
  const TargetSettings& s = input.settings;
  if (input.frames.empty())
    return {"there are no frames", {}};
  if (input.delta && s.mask)
    return {"--mask: a delta frame has no mask of its own; leave out --mask or --frame-delta", {}};
  std::span<const std::uint32_t> palette = input.palette;
  SharedPalette shared;
  if (const int bits = TraitsOf(s.target, s.colorFormat).indexBits; bits > 0) {
    shared = FramesPalette(input.frames, input.palette, 1 << bits);
    if (!shared.error.empty())
      return {shared.error, {}};
    palette = shared.colors;
  }
  const PictureEncoder encode = [&](const TBitmap32& picture) {
    return EncodeTarget({picture, palette, s, input.name});
  };
  TargetResult result =
      EncodeFrameTable({input.frames, encode, input.delta, s.target == TargetKind::Pages ? 8 : 1});
  if (!result.error.empty())
    return result;
  TargetData& data = result.data;
  const char* type = data.arrays[0].type == ElementType::Uint16 ? "uint16_t" : "uint8_t";
  data.drawCalls.push_back(std::string("Frame i: the same call with (const ") + type +
                           " *)((const uint8_t *)" + data.name + " + " + data.name +
                           "_frames[2 * i]) in place of " + data.name);
  return result;
}

}  // namespace pixmora

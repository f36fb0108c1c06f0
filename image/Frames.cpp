#include "image/Frames.h"

#include "image/FrameDelta.h"
#include "image/ReadImageFile.h"
#include "platform/AtomicFile.h"

namespace pixmora {

namespace {

std::string CannotRead(const std::string& fileName, const std::string& reason) {
  return "Cannot read \"" + fileName + "\": " + reason;
}

}  // namespace

FrameSet ReadGifFrames(const std::string& fileName) {
  FrameSet set;
  std::string bytes;
  if (std::string reason = ReadWholeFile(fileName, bytes); !reason.empty()) {
    set.error = CannotRead(fileName, reason);
    return set;
  }
  try {
    GifAnimation animation = DecodeGifAnimation(
        std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
    if (!animation.error.empty()) {
      set.error = CannotRead(fileName, animation.error);
      return set;
    }
    set.frames = std::move(animation.frames);
    set.palette = std::move(animation.palette);
  } catch (const std::bad_alloc&) {
    set.error = CannotRead(fileName, "not enough memory for its frames");
  }
  return set;
}

TBitmap32 ComposedGifFrame(const std::string& fileName, int index, std::string& error) {
  FrameSet set = ReadGifFrames(fileName);
  error = set.error;
  if (!error.empty())
    return {};
  if (index < 0 || static_cast<std::size_t>(index) >= set.frames.size()) {
    error = "\"" + fileName + "\" has no frame " + std::to_string(index) + " (it holds " +
            std::to_string(set.frames.size()) + ")";
    return {};
  }
  return std::move(set.frames[static_cast<std::size_t>(index)].image);
}

FrameSet CutFrameGrid(const TBitmap32& sheet, int frameWidth, int frameHeight,
                      const std::string& source) {
  FrameSet set;
  if (frameWidth <= 0 || frameHeight <= 0 || sheet.Width() % frameWidth != 0 ||
      sheet.Height() % frameHeight != 0) {
    set.error = source + ": " + std::to_string(sheet.Width()) + " x " +
                std::to_string(sheet.Height()) + " pixels is no whole number of frames of " +
                std::to_string(frameWidth) + " x " + std::to_string(frameHeight);
    return set;
  }
  for (int top = 0; top < sheet.Height(); top += frameHeight) {
    for (int left = 0; left < sheet.Width(); left += frameWidth) {
      set.frames.push_back(
          {CropFrame(sheet, {left, top, frameWidth, frameHeight}), kSheetFrameDelayMs});
    }
  }
  return set;
}

FrameSet ReadFrameFiles(std::span<const std::string> fileNames) {
  FrameSet set;
  for (const std::string& fileName : fileNames) {
    ImageFileRead read = ReadImageFile(fileName, 0);
    if (!read.ok) {
      set.error = read.error;
      return set;
    }
    AnimationFrame& frame = set.frames.emplace_back();
    frame.delayMs = kSheetFrameDelayMs;
    CopyStaging(read.staging, frame.image);
    const TBitmap32& first = set.frames.front().image;
    if (frame.image.Width() != first.Width() || frame.image.Height() != first.Height()) {
      set.error = "\"" + fileName + "\": " + std::to_string(frame.image.Width()) + " x " +
                  std::to_string(frame.image.Height()) + " pixels, but the frames before are " +
                  std::to_string(first.Width()) + " x " + std::to_string(first.Height());
      return set;
    }
    if (set.frames.size() == 1 && read.hasPalette)
      set.palette = read.paletteEntries;
  }
  return set;
}

std::string SelectFrames(FrameSet& set, int first, int last) {
  const int count = static_cast<int>(set.frames.size());
  if (first < 0 || last < first || last >= count) {
    return "frames " + std::to_string(first) + "-" + std::to_string(last) +
           " do not exist: there are frames 0 to " + std::to_string(count - 1);
  }
  set.frames.erase(set.frames.begin() + last + 1, set.frames.end());
  set.frames.erase(set.frames.begin(), set.frames.begin() + first);
  return {};
}

}  // namespace pixmora

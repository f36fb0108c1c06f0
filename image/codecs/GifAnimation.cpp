#include "image/codecs/GifAnimation.h"

#include <algorithm>
#include <array>
#include <utility>

#include "image/ImageLimits.h"
#include "image/codecs/GifRecords.h"

namespace pixmora {

namespace {

// One image of the file as it is stored: its rectangle, its pixels and what its graphic
// control extension says.
struct StoredImage {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> indices;
  std::array<std::uint32_t, 256> colors;  // 0xFFRRGGBB of every index
  int transparent = NO_TRANSPARENT_COLOR;
  int disposal = DISPOSAL_UNSPECIFIED;
  int delayMs = 0;
};

struct StoredGif {
  GifScreen screen;
  std::vector<StoredImage> images;
};

class GifReader : public GifRecordWalk {
 public:
  GifReader(std::span<const std::uint8_t> file, StoredGif& gif)
      : GifRecordWalk(file), stored_(gif) {}

 private:
  std::string ReadImage(const GraphicsControlBlock& control) override {
    const GifImageDesc& desc = gif_->Image;
    const std::uint64_t pixelCount = std::uint64_t(desc.Width) * std::uint64_t(desc.Height);
    // Every image holds at least a byte, so all images together are bounded by the file too.
    total_ += pixelCount;
    if (std::string error = CheckImage(total_, input_.file.size()); !error.empty())
      return error;
    std::array<std::uint32_t, 256> colors;
    if (std::string error = ImageColors(colors); !error.empty())
      return error;
    StoredImage& image = stored_.images.emplace_back();
    image.colors = colors;
    image.transparent = control.TransparentColor;
    image.left = desc.Left;
    image.top = desc.Top;
    image.width = desc.Width;
    image.height = desc.Height;
    image.disposal = control.DisposalMode;
    image.delayMs = control.DelayTime == 0 ? kZeroDelayShownMs : control.DelayTime * 10;
    image.indices.resize(static_cast<std::size_t>(pixelCount));
    for (int y : GifRowOrder(desc.Height, desc.Interlace)) {
      if (DGifGetLine(gif_.get(), image.indices.data() + std::size_t(y) * std::size_t(desc.Width),
                      desc.Width) == GIF_ERROR) {
        return Damaged();
      }
    }
    return {};
  }

  StoredGif& stored_;
  std::uint64_t total_ = 0;
};

// The screen: the pixels as the classic path reads them, and their coverage.
struct Screen {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
  std::vector<std::uint8_t> coverage;
};

void ClearRect(Screen& screen, const StoredImage& image, std::uint32_t background) {
  const int right = std::min(screen.width, image.left + image.width);
  const int bottom = std::min(screen.height, image.top + image.height);
  for (int y = image.top; y < bottom; ++y) {
    const std::size_t row = static_cast<std::size_t>(y) * static_cast<std::size_t>(screen.width);
    for (int x = image.left; x < right; ++x) {
      screen.pixels[row + static_cast<std::size_t>(x)] = background;
      screen.coverage[row + static_cast<std::size_t>(x)] = 0;
    }
  }
}

void Draw(Screen& screen, const StoredImage& image) {
  for (int y = 0; y < image.height; ++y) {
    const std::size_t from = static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width);
    const std::size_t to =
        static_cast<std::size_t>(image.top + y) * static_cast<std::size_t>(screen.width) +
        static_cast<std::size_t>(image.left);
    for (std::size_t x = 0; x < static_cast<std::size_t>(image.width); ++x) {
      const std::uint8_t index = image.indices[from + x];
      if (index != image.transparent) {
        screen.pixels[to + x] = image.colors[index];
        screen.coverage[to + x] = 0xFF;
      }
    }
  }
}

}  // namespace

GifAnimation DecodeGifAnimation(std::span<const std::uint8_t> file) {
  GifAnimation animation;
  if (file.empty()) {
    animation.error = "the file is empty";
    return animation;
  }
  StoredGif gif;
  if (std::string error = GifReader(file, gif).Walk(gif.screen); !error.empty()) {
    animation.error = error;
    return animation;
  }
  if (gif.images.empty()) {
    animation.error = "the GIF holds no image";
    return animation;
  }
  Screen screen{gif.screen.width, gif.screen.height, {}, {}};
  for (const StoredImage& image : gif.images) {
    screen.width = std::max(screen.width, image.left + image.width);
    screen.height = std::max(screen.height, image.top + image.height);
  }
  if (std::string error = CheckImageSize(screen.width, screen.height); !error.empty()) {
    animation.error = error;
    return animation;
  }
  const std::uint64_t screenPixels = std::uint64_t(screen.width) * std::uint64_t(screen.height);
  // Every frame is held whole: tiny images on a big screen must not take all memory.
  if (screenPixels * gif.images.size() > kMaxAnimationPixels) {
    animation.error = std::to_string(gif.images.size()) + " frames of " +
                      std::to_string(screen.width) + " x " + std::to_string(screen.height) +
                      " pixels are more than " + std::to_string(kMaxAnimationPixels) +
                      " pixels together";
    return animation;
  }
  if (screenPixels * gif.images.size() / kGifMaxPixelsPerByte > file.size()) {
    animation.error = "the file is too small for " + std::to_string(gif.images.size()) +
                      " frames of " + std::to_string(screen.width) + " x " +
                      std::to_string(screen.height) + " pixels";
    return animation;
  }
  screen.pixels.assign(static_cast<std::size_t>(screenPixels), gif.screen.background);
  screen.coverage.assign(screen.pixels.size(), 0);
  for (const StoredImage& image : gif.images) {
    Screen before;
    if (image.disposal == DISPOSE_PREVIOUS)
      before = screen;
    Draw(screen, image);
    AnimationFrame& frame = animation.frames.emplace_back();
    frame.image.AssignOpaque(screen.width, screen.height, screen.pixels);
    if (std::find(screen.coverage.begin(), screen.coverage.end(), 0) != screen.coverage.end())
      frame.image.SetCoverage(screen.coverage, std::nullopt);
    frame.delayMs = image.delayMs;
    if (image.disposal == DISPOSE_BACKGROUND)
      ClearRect(screen, image, gif.screen.background);
    else if (image.disposal == DISPOSE_PREVIOUS)
      screen = std::move(before);
  }
  animation.palette = std::move(gif.screen.palette);
  return animation;
}

}  // namespace pixmora

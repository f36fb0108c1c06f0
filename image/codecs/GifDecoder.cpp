#include "image/codecs/GifDecoder.h"

#include "image/codecs/GifRecords.h"

#include <algorithm>
#include <array>
#include <utility>

namespace pixmora {

namespace {

struct Frame {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;   // 0xFFRRGGBB
  std::vector<std::uint8_t> coverage;  // 0 where the transparent index is; empty without one
};

// What a walk through the file learns: the images, the palette and, when asked, one image.
struct GifScan {
  int frameCount = 0;
  GifScreen screen;
  Frame frame;
};

class GifWalk : public GifRecordWalk {
 public:
  GifWalk(std::span<const std::uint8_t> file, int decodeIndex, GifScan& scan)
      : GifRecordWalk(file), decodeIndex_(decodeIndex), scan_(scan) {}

 private:
  std::string ReadImage(const GraphicsControlBlock& control) override {
    const GifImageDesc& desc = gif_->Image;
    const int index = scan_.frameCount++;
    if (index == decodeIndex_) {
      stop_ = true;
      // The palette is the one the image's pixels were drawn from.
      if (desc.ColorMap != nullptr) {
        scan_.screen.hasPalette = true;
        scan_.screen.palette = GifPaletteOf(desc.ColorMap);
      }
      return DecodeImage(scan_.frame, control.TransparentColor);
    }
    int codeSize = 0;
    GifByteType* block = nullptr;
    if (DGifGetCode(gif_.get(), &codeSize, &block) == GIF_ERROR)
      return Damaged();
    while (block != nullptr) {
      if (DGifGetCodeNext(gif_.get(), &block) == GIF_ERROR)
        return Damaged();
    }
    return {};
  }

  std::string DecodeImage(Frame& frame, int transparent) {
    const GifImageDesc& desc = gif_->Image;
    const std::uint64_t pixelCount = std::uint64_t(desc.Width) * std::uint64_t(desc.Height);
    if (std::string error = CheckImage(pixelCount, input_.file.size() - input_.position);
        !error.empty()) {
      return error;
    }
    std::array<std::uint32_t, 256> colors;
    if (std::string error = ImageColors(colors); !error.empty())
      return error;

    frame = {desc.Left, desc.Top, desc.Width, desc.Height, {}, {}};
    frame.pixels.resize(static_cast<std::size_t>(pixelCount));
    if (transparent >= 0)
      frame.coverage.assign(frame.pixels.size(), 0xFF);
    std::vector<GifPixelType> line(static_cast<std::size_t>(desc.Width));
    for (int y : GifRowOrder(desc.Height, desc.Interlace)) {
      if (DGifGetLine(gif_.get(), line.data(), desc.Width) == GIF_ERROR)
        return Damaged();
      std::uint32_t* row = frame.pixels.data() + static_cast<std::size_t>(y) * desc.Width;
      for (int x = 0; x < desc.Width; ++x)
        row[x] = colors[line[static_cast<std::size_t>(x)]];
      if (transparent >= 0) {
        std::uint8_t* coverage = frame.coverage.data() + static_cast<std::size_t>(y) * desc.Width;
        for (int x = 0; x < desc.Width; ++x)
          coverage[x] = line[static_cast<std::size_t>(x)] == transparent ? 0 : 0xFF;
      }
    }
    return {};
  }

  int decodeIndex_;
  GifScan& scan_;
};

// The first image on the logical screen, drawn opaquely at its offset; the screen around it is
// transparent for the targets. A screen far beyond what the file's data could ever fill is
// refused like an oversize image.
DecodeResult Compose(GifScan& scan, std::size_t fileSize) {
  Frame& f = scan.frame;
  const std::int64_t width =
      std::max<std::int64_t>(scan.screen.width, std::int64_t{f.left} + f.width);
  const std::int64_t height =
      std::max<std::int64_t>(scan.screen.height, std::int64_t{f.top} + f.height);
  if (std::string error = CheckImageSize(width, height); !error.empty()) {
    return DecodeResult::Failure(error);
  }
  if (static_cast<std::uint64_t>(width * height) / kGifMaxPixelsPerByte > fileSize) {
    return DecodeResult::Failure("the file is too small for a logical screen of " +
                                 std::to_string(width) + " x " + std::to_string(height) +
                                 " pixels");
  }
  DecodeResult result{true, {}, {}};
  DecodedPicture& picture = result.picture;
  picture.width = static_cast<int>(width);
  picture.height = static_cast<int>(height);
  if (f.left == 0 && f.top == 0 && f.width == width && f.height == height) {
    picture.pixels = std::move(f.pixels);
    picture.coverage = std::move(f.coverage);
    return result;
  }
  picture.pixels.assign(static_cast<std::size_t>(width * height), scan.screen.background);
  picture.coverage.assign(picture.pixels.size(), 0);
  for (int y = 0; y < f.height; ++y) {
    const std::ptrdiff_t from = static_cast<std::ptrdiff_t>(y) * f.width;
    const std::ptrdiff_t to = (f.top + y) * width + f.left;
    std::copy_n(f.pixels.begin() + from, f.width, picture.pixels.begin() + to);
    if (f.coverage.empty()) {
      std::fill_n(picture.coverage.begin() + to, f.width, 0xFF);
    } else {
      std::copy_n(f.coverage.begin() + from, f.width, picture.coverage.begin() + to);
    }
  }
  return result;
}

}  // namespace

DecodeResult DecodeGif(std::span<const std::uint8_t> file, int frameIndex) {
  if (file.empty())
    return DecodeResult::Failure("the file is empty");
  // The first walk counts the images; the second decodes the one that is shown.
  GifScan count;
  if (std::string error = GifWalk(file, -1, count).Walk(count.screen); !error.empty()) {
    return DecodeResult::Failure(error);
  }
  if (count.frameCount == 0)
    return DecodeResult::Failure("the GIF holds no image");
  const bool animated = count.frameCount >= 2;
  const int shown = animated ? frameIndex : 0;
  if (shown < 0 || shown >= count.frameCount) {
    return DecodeResult::Failure("the GIF has no image " + std::to_string(frameIndex + 1) +
                                 " (it holds " + std::to_string(count.frameCount) + ")");
  }
  GifScan scan;
  if (std::string error = GifWalk(file, shown, scan).Walk(scan.screen); !error.empty()) {
    return DecodeResult::Failure(error);
  }
  DecodeResult result{true, {}, {}};
  if (animated) {
    result.picture.width = scan.frame.width;
    result.picture.height = scan.frame.height;
    result.picture.pixels = std::move(scan.frame.pixels);
    result.picture.coverage = std::move(scan.frame.coverage);
  } else {
    result = Compose(scan, file.size());
    if (!result.ok)
      return result;
  }
  result.picture.hasPalette = scan.screen.hasPalette;
  result.picture.palette = std::move(scan.screen.palette);
  result.picture.frameCount = count.frameCount;
  return result;
}

}  // namespace pixmora

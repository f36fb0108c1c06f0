#include "image/codecs/GifDecoder.h"

#include "image/codecs/GifInput.h"

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
  int screenWidth = 0;
  int screenHeight = 0;
  bool hasPalette = false;
  std::vector<std::uint32_t> palette;
  std::uint32_t background = 0xFF000000u;
  Frame frame;
};

class GifWalk {
 public:
  GifWalk(std::span<const std::uint8_t> file, int decodeIndex)
      : input_{file, 0}, decodeIndex_(decodeIndex) {}

  std::string Run(GifScan& scan) {
    int error = 0;
    gif_.reset(DGifOpen(&input_, ReadGifInput, &error));
    if (!gif_) {
      return error == D_GIF_ERR_NOT_GIF_FILE
                 ? "not a GIF file"
                 : "the GIF header is damaged (" + GifReason(error) + ")";
    }
    scan.screenWidth = gif_->SWidth;
    scan.screenHeight = gif_->SHeight;
    if (const ColorMapObject* global = gif_->SColorMap) {
      scan.hasPalette = true;
      scan.palette = GifPaletteOf(global);
      if (gif_->SBackGroundColor < global->ColorCount) {
        scan.background = OpaqueGifPixel(global->Colors[gif_->SBackGroundColor]);
      }
    }
    for (;;) {
      const std::size_t recordStart = input_.position;
      GifRecordType type = UNDEFINED_RECORD_TYPE;
      if (DGifGetRecordType(gif_.get(), &type) == GIF_ERROR) {
        // Many writers leave out the trailer after the last image.
        if (recordStart == input_.file.size() && scan.frameCount > 0)
          return {};
        return Damaged();
      }
      std::string problem;
      if (type == TERMINATE_RECORD_TYPE)
        return {};
      if (type == EXTENSION_RECORD_TYPE) {
        problem = SkipExtension();
      } else if (type == IMAGE_DESC_RECORD_TYPE) {
        problem = ReadImage(scan);
      }
      if (!problem.empty() || decoded_)
        return problem;
    }
  }

 private:
  std::string Damaged() const {
    if (input_.position == input_.file.size())
      return "the GIF data is truncated";
    return "the GIF data is damaged (" + GifReason(gif_->Error) + ")";
  }

  std::string SkipExtension() {
    int code = 0;
    GifByteType* block = nullptr;
    if (DGifGetExtension(gif_.get(), &code, &block) == GIF_ERROR)
      return Damaged();
    GraphicsControlBlock control;
    if (code == GRAPHICS_EXT_FUNC_CODE && block != nullptr &&
        DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK) {
      transparentIndex_ = control.TransparentColor;
    }
    while (block != nullptr) {
      if (DGifGetExtensionNext(gif_.get(), &block) == GIF_ERROR)
        return Damaged();
    }
    return {};
  }

  std::string ReadImage(GifScan& scan) {
    if (DGifGetImageDesc(gif_.get()) == GIF_ERROR)
      return Damaged();
    const GifImageDesc& desc = gif_->Image;
    const int index = scan.frameCount++;
    // A graphic control extension applies to the one image after it.
    const int transparent = std::exchange(transparentIndex_, -1);
    if (index == decodeIndex_) {
      decoded_ = true;
      // The palette is the one the image's pixels were drawn from.
      if (desc.ColorMap != nullptr) {
        scan.hasPalette = true;
        scan.palette = GifPaletteOf(desc.ColorMap);
      }
      return DecodeImage(scan.frame, transparent);
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
    if (std::string error = CheckImageSize(desc.Width, desc.Height); !error.empty())
      return error;
    const std::uint64_t pixelCount = std::uint64_t(desc.Width) * std::uint64_t(desc.Height);
    if (pixelCount / kGifMaxPixelsPerByte > input_.file.size() - input_.position) {
      return "the file is too small for an image of " + std::to_string(desc.Width) + " x " +
             std::to_string(desc.Height) + " pixels";
    }
    const ColorMapObject* map = desc.ColorMap != nullptr ? desc.ColorMap : gif_->SColorMap;
    if (map == nullptr || map->ColorCount <= 0)
      return "the GIF image has no color table";
    // Indices beyond the table draw entry 0, so every pixel has a color of the table.
    std::array<std::uint32_t, 256> colors;
    colors.fill(OpaqueGifPixel(map->Colors[0]));
    for (int i = 0; i < std::min(map->ColorCount, 256); ++i)
      colors[i] = OpaqueGifPixel(map->Colors[i]);

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

  GifInput input_;
  int decodeIndex_;
  int transparentIndex_ = -1;
  bool decoded_ = false;
  GifHandle gif_;
};

// The first image on the logical screen, drawn opaquely at its offset; the screen around it is
// transparent for the targets. A screen far beyond what the file's data could ever fill is
// refused like an oversize image.
DecodeResult Compose(GifScan& scan, std::size_t fileSize) {
  Frame& f = scan.frame;
  const std::int64_t width =
      std::max<std::int64_t>(scan.screenWidth, std::int64_t{f.left} + f.width);
  const std::int64_t height =
      std::max<std::int64_t>(scan.screenHeight, std::int64_t{f.top} + f.height);
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
  picture.pixels.assign(static_cast<std::size_t>(width * height), scan.background);
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
  if (std::string error = GifWalk(file, -1).Run(count); !error.empty()) {
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
  if (std::string error = GifWalk(file, shown).Run(scan); !error.empty()) {
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
  result.picture.hasPalette = scan.hasPalette;
  result.picture.palette = std::move(scan.palette);
  result.picture.frameCount = count.frameCount;
  return result;
}

}  // namespace pixmora

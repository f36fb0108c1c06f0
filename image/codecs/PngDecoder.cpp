#include "image/codecs/PngDecoder.h"

#include <png.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <csetjmp>
#include <cstring>
#include <utility>

#include "image/codecs/Blend.h"
#include "platform/HugePages.h"

namespace pixmora {

namespace {

// Deflate packs at most 1032 bytes into one: a picture needing more raw bytes than that many
// times the file's size cannot be in the file, whatever its header says.
constexpr std::uint64_t kMaxDeflateRatio = 1032;
constexpr std::size_t kSignatureSize = 8;

using GammaTable = std::array<std::uint8_t, 256>;

// Everything libpng's error jump may leave behind lives here, outside the jumping frame.
struct PngRead {
  std::span<const std::uint8_t> file;
  std::size_t position = 0;
  bool truncated = false;
  bool libpngFailed = false;
  std::string error;

  png_structp png = nullptr;
  png_infop info = nullptr;
  png_uint_32 width = 0;
  png_uint_32 height = 0;
  int bitDepth = 0;
  int colorType = 0;
  bool hasAlpha = false;
  GammaTable gamma{};
  bool gammaIsIdentity = true;
  std::vector<std::uint32_t> palette;
  bool hasPalette = false;
  std::vector<std::uint32_t> pixels;
  std::vector<png_bytep> rows;
  std::uint32_t background = 0;
  std::vector<std::uint8_t> coverage;  // made at the first row that is not opaque
  DecodeObserver* observer = nullptr;
  int passes = 1;

  ~PngRead() {
    // Whatever ended the decoding, rows an observer may be reading are not freed under it.
    if (observer != nullptr && !pixels.empty())
      observer->Failed(std::move(pixels));
    png_destroy_read_struct(&png, &info, nullptr);
  }
};

void ReadFromMemory(png_structp png, png_bytep out, std::size_t length) {
  auto& read = *static_cast<PngRead*>(png_get_io_ptr(png));
  if (read.file.size() - read.position < length) {
    read.truncated = true;
    png_error(png, "unexpected end of data");
  }
  std::memcpy(out, read.file.data() + read.position, length);
  read.position += length;
}

void OnError(png_structp png, png_const_charp message) {
  auto& read = *static_cast<PngRead*>(png_get_error_ptr(png));
  read.libpngFailed = true;
  read.error = message;
  png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

// The gAMA chunk's correction for a display of gamma 2.2; identity without the chunk.
void BuildGammaTable(PngRead& read) {
  double fileGamma = 0;
  const bool present = png_get_valid(read.png, read.info, PNG_INFO_gAMA) != 0 &&
                       png_get_gAMA(read.png, read.info, &fileGamma) != 0 && fileGamma > 0;
  const double exponent = present ? 1.0 / (fileGamma * 2.2) : 1.0;
  for (int i = 0; i < 256; ++i) {
    const double value = std::round(255.0 * std::pow(i / 255.0, exponent));
    read.gamma[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value);
    if (read.gamma[static_cast<std::size_t>(i)] != i)
      read.gammaIsIdentity = false;
  }
}

std::uint32_t PaletteEntry(const GammaTable& gamma, int r, int g, int b) {
  return std::uint32_t{gamma[static_cast<std::size_t>(b)]} << 16 |
         std::uint32_t{gamma[static_cast<std::size_t>(g)]} << 8 |
         gamma[static_cast<std::size_t>(r)];
}

// Indexed pictures report PLTE, gray ones a ramp of their levels; both through the gamma table.
void ReadPalette(PngRead& read) {
  if (read.colorType == PNG_COLOR_TYPE_PALETTE) {
    png_colorp colors = nullptr;
    int count = 0;
    if (png_get_PLTE(read.png, read.info, &colors, &count) == 0)
      return;
    read.hasPalette = true;
    for (int i = 0; i < count; ++i) {
      read.palette.push_back(
          PaletteEntry(read.gamma, colors[i].red, colors[i].green, colors[i].blue));
    }
  } else if ((read.colorType & PNG_COLOR_MASK_COLOR) == 0) {
    const int levels = read.bitDepth == 1 ? 2 : read.bitDepth <= 4 ? 16 : 256;
    read.hasPalette = true;
    for (int i = 0; i < levels; ++i) {
      const int gray = (i * 255 + (levels - 1) / 2) / (levels - 1);
      read.palette.push_back(PaletteEntry(read.gamma, gray, gray, gray));
    }
  }
}

// Asks libpng for 8-bit B, G, R, A in memory order, which is 0xAARRGGBB on a little-endian
// machine.
void RequestBgra(PngRead& read) {
  png_structp png = read.png;
  png_set_scale_16(png);
  png_set_palette_to_rgb(png);
  png_set_expand_gray_1_2_4_to_8(png);
  if (png_get_valid(png, read.info, PNG_INFO_tRNS) != 0) {
    png_set_tRNS_to_alpha(png);
    read.hasAlpha = true;
  }
  if ((read.colorType & PNG_COLOR_MASK_ALPHA) != 0)
    read.hasAlpha = true;
  png_set_gray_to_rgb(png);
  png_set_bgr(png);
  if (!read.hasAlpha)
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
  read.passes = png_set_interlace_handling(png);
  png_read_update_info(png, read.info);
}

std::string CheckAgainstFileSize(const PngRead& read) {
  const int channels = png_get_channels(read.png, read.info);
  const std::uint64_t rowBytes =
      (std::uint64_t{read.width} * static_cast<std::uint64_t>(channels * read.bitDepth) + 7) / 8;
  const std::uint64_t rawBytes = std::uint64_t{read.height} * (rowBytes + 1);
  if (rawBytes / kMaxDeflateRatio > read.file.size()) {
    return "the file is too small for a picture of " + std::to_string(read.width) + " x " +
           std::to_string(read.height) + " pixels";
  }
  return {};
}

void ApplyGamma(const GammaTable& gamma, std::span<std::uint32_t> pixels) {
  for (std::uint32_t& p : pixels) {
    p = (p & 0xFF000000u) | std::uint32_t{gamma[(p >> 16) & 0xFFu]} << 16 |
        std::uint32_t{gamma[(p >> 8) & 0xFFu]} << 8 | gamma[p & 0xFFu];
  }
}

// Gives rows [first, last) their final colors (gamma, transparency kept apart and blended) and
// tells the observer.
void FinishRows(PngRead& read, png_uint_32 first, png_uint_32 last) {
  const std::size_t width = read.width;
  const std::span<std::uint32_t> rows(read.pixels.data() + first * width, (last - first) * width);
  if (!read.gammaIsIdentity)
    ApplyGamma(read.gamma, rows);
  if (read.hasAlpha) {
    // The rows before were opaque, so the plane starts out opaque.
    if (read.coverage.empty() && !AllOpaque(rows))
      read.coverage.assign(read.pixels.size(), 0xFF);
    if (!read.coverage.empty()) {
      std::transform(rows.begin(), rows.end(), read.coverage.begin() + first * width,
                     [](std::uint32_t p) { return static_cast<std::uint8_t>(p >> 24); });
    }
    BlendOver(read.background, rows);
  }
  if (read.observer != nullptr)
    read.observer->RowsDone(static_cast<int>(last));
}

// Runs libpng; false when it failed (read.error says why) or the header was refused.
bool ReadWithLibpng(PngRead& read) {
  if (setjmp(png_jmpbuf(read.png)))
    return false;
  png_set_read_fn(read.png, &read, ReadFromMemory);
  png_set_user_limits(read.png, PNG_UINT_31_MAX, PNG_UINT_31_MAX);
  png_read_info(read.png, read.info);
  png_get_IHDR(read.png, read.info, &read.width, &read.height, &read.bitDepth, &read.colorType,
               nullptr, nullptr, nullptr);
  read.error = CheckImageSize(read.width, read.height);
  if (read.error.empty())
    read.error = CheckAgainstFileSize(read);
  if (!read.error.empty())
    return false;
  BuildGammaTable(read);
  ReadPalette(read);
  RequestBgra(read);
  if (png_get_rowbytes(read.png, read.info) != std::size_t{read.width} * 4) {
    png_error(read.png, "unexpected row layout");
  }
  ResizeLarge(read.pixels, std::size_t{read.width} * read.height);
  read.rows.resize(read.height);
  for (png_uint_32 y = 0; y < read.height; ++y) {
    read.rows[y] = reinterpret_cast<png_bytep>(read.pixels.data() + std::size_t{y} * read.width);
  }
  if (read.observer != nullptr) {
    read.observer->Started({static_cast<int>(read.width), static_cast<int>(read.height),
                            read.pixels.data(), read.hasPalette, read.palette});
  }
  if (read.passes > 1) {
    png_read_image(read.png, read.rows.data());
    FinishRows(read, 0, read.height);
    return true;
  }
  // Row by row, so a reader can take the first rows while the next ones are decoded.
  for (png_uint_32 y = 0; y < read.height; ++y) {
    png_read_row(read.png, read.rows[y], nullptr);
    FinishRows(read, y, y + 1);
  }
  return true;
}

}  // namespace

DecodeResult DecodePng(std::span<const std::uint8_t> file) {
  return DecodePng(file, 0x000000, nullptr);
}

DecodeResult DecodePng(std::span<const std::uint8_t> file, std::uint32_t background,
                       DecodeObserver* observer) {
  if (file.empty())
    return DecodeResult::Failure("the file is empty");
  if (file.size() < kSignatureSize || png_sig_cmp(file.data(), 0, kSignatureSize) != 0) {
    return DecodeResult::Failure("not a PNG file");
  }
  PngRead read;
  read.file = file;
  read.background = background;
  read.observer = observer;
  read.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &read, OnError, OnWarning);
  if (read.png != nullptr)
    read.info = png_create_info_struct(read.png);
  if (read.info == nullptr)
    return DecodeResult::Failure("out of memory");
  if (!ReadWithLibpng(read)) {
    if (read.truncated)
      return DecodeResult::Failure("the PNG data is truncated");
    if (read.libpngFailed)
      return DecodeResult::Failure("the PNG data is damaged (" + read.error + ")");
    return DecodeResult::Failure(read.error);
  }
  DecodeResult result{true, {}, {}};
  DecodedPicture& picture = result.picture;
  if (read.hasAlpha) {
    picture.coverage = std::move(read.coverage);
    picture.blendedOver = background;
  }
  picture.width = static_cast<int>(read.width);
  picture.height = static_cast<int>(read.height);
  picture.pixels = std::exchange(read.pixels, {});
  picture.hasPalette = read.hasPalette;
  picture.palette = std::move(read.palette);
  return result;
}

}  // namespace pixmora

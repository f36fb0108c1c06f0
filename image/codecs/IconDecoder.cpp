#include "image/codecs/IconDecoder.h"

#include <png.h>

#include <algorithm>
#include <optional>

#include "image/codecs/Blend.h"
#include "image/codecs/DibDecoder.h"
#include "image/codecs/LittleEndian.h"
#include "image/codecs/PngDecoder.h"

namespace pixmora {

namespace {

constexpr std::size_t kDirectorySize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr std::uint32_t kWhite = 0xFFFFFF;

struct Candidate {
  std::span<const std::uint8_t> data;
  bool png = false;
  std::uint64_t pixels = 0;
  int bitsPerPixel = 0;
};

std::uint32_t ReadBigEndian32(std::span<const std::uint8_t> data, std::size_t offset) {
  return std::uint32_t{data[offset]} << 24 | std::uint32_t{data[offset + 1]} << 16 |
         std::uint32_t{data[offset + 2]} << 8 | data[offset + 3];
}

// Size and color depth from the image's own header; the directory's bytes are often wrong.
std::optional<Candidate> Probe(std::span<const std::uint8_t> data) {
  constexpr std::size_t kIhdrEnd = 26;
  if (data.size() >= kIhdrEnd && png_sig_cmp(data.data(), 0, 8) == 0) {
    const int depth = data[24];
    const int colorType = data[25];
    const int channels = colorType == PNG_COLOR_TYPE_RGB         ? 3
                         : colorType == PNG_COLOR_TYPE_RGB_ALPHA ? 4
                         : colorType == PNG_COLOR_TYPE_GA        ? 2
                                                                 : 1;
    return Candidate{data, true,
                     std::uint64_t{ReadBigEndian32(data, 16)} * ReadBigEndian32(data, 20),
                     depth * channels};
  }
  DibHeader header;
  if (!ParseDibHeader(data, 0, header).empty())
    return std::nullopt;
  return Candidate{data, false, static_cast<std::uint64_t>(header.width * (header.height / 2)),
                   header.bitsPerPixel};
}

DecodeResult DecodePngImage(std::span<const std::uint8_t> data) {
  DecodeResult result = DecodePng(data, kWhite);
  result.picture.hasPalette = false;
  result.picture.palette.clear();
  return result;
}

bool AnyAlpha(const std::vector<std::uint32_t>& pixels) {
  return std::any_of(pixels.begin(), pixels.end(), [](std::uint32_t p) { return p >> 24 != 0; });
}

// The XOR image drawn over white through the AND mask: where a mask bit is set the white
// background shows, inverted by whatever color the XOR image holds there. Only where it holds
// black is the pixel transparent; an inverting pixel is kept as it shows over white.
std::string ApplyMask(std::span<const std::uint8_t> data, std::size_t maskOffset,
                      const DibHeader& header, DecodedPicture& picture) {
  const std::uint64_t stride = DibStride(header.width, 1);
  if (maskOffset > data.size() ||
      stride * std::uint64_t(header.height) > data.size() - maskOffset) {
    return "the icon mask is truncated";
  }
  std::vector<std::uint8_t> coverage(picture.pixels.size(), 0xFF);
  for (std::int64_t row = 0; row < header.height; ++row) {
    const std::uint8_t* bits = data.data() + maskOffset + static_cast<std::size_t>(row * stride);
    const std::int64_t y = header.topDown ? row : header.height - 1 - row;
    const auto first = static_cast<std::size_t>(y * header.width);
    std::uint32_t* out = picture.pixels.data() + first;
    for (std::int64_t x = 0; x < header.width; ++x) {
      const bool masked = (bits[x / 8] >> (7 - x % 8)) & 1;
      if (masked && (out[x] & kWhite) == 0)
        coverage[first + static_cast<std::size_t>(x)] = 0;
      out[x] = 0xFF000000u | (masked ? (out[x] ^ kWhite) : out[x]);
    }
  }
  if (std::find(coverage.begin(), coverage.end(), 0) != coverage.end()) {
    picture.coverage = std::move(coverage);
    picture.blendedOver = kWhite;
  }
  return {};
}

DecodeResult DecodeBitmapImage(std::span<const std::uint8_t> data) {
  DibHeader header;
  if (std::string error = ParseDibHeader(data, 0, header); !error.empty()) {
    return DecodeResult::Failure(error);
  }
  if (header.compression != kBiRgb && header.compression != kBiBitfields) {
    return DecodeResult::Failure("compressed icon images are not supported");
  }
  header.height /= 2;  // the stored height counts the AND mask's rows too
  if (std::string error = CheckImageSize(header.width, header.height); !error.empty()) {
    return DecodeResult::Failure(error);
  }
  const std::size_t pixelOffset =
      header.colorTableOffset + header.colorTableEntries * header.colorEntrySize;
  DecodeResult result = DecodeDibPixels(data, header, pixelOffset);
  if (!result.ok)
    return result;
  DecodedPicture& picture = result.picture;
  picture.coverage.clear();
  if (header.bitsPerPixel == 32 && AnyAlpha(picture.pixels)) {
    picture.coverage = AlphaPlane(picture.pixels);
    picture.blendedOver = kWhite;
    BlendOver(kWhite, picture.pixels);
  } else {
    const std::size_t maskOffset =
        pixelOffset + static_cast<std::size_t>(DibStride(header.width, header.bitsPerPixel) *
                                               static_cast<std::uint64_t>(header.height));
    if (std::string error = ApplyMask(data, maskOffset, header, picture); !error.empty()) {
      return DecodeResult::Failure(error);
    }
  }
  picture.keepsAlpha = false;
  picture.hasPalette = false;
  picture.palette.clear();
  return result;
}

}  // namespace

DecodeResult DecodeIcon(std::span<const std::uint8_t> file) {
  if (file.empty())
    return DecodeResult::Failure("the file is empty");
  if (file.size() < kDirectorySize || ReadU16(file, 0) != 0 ||
      (ReadU16(file, 2) != 1 && ReadU16(file, 2) != 2)) {
    return DecodeResult::Failure("not an icon file");
  }
  const std::size_t count = ReadU16(file, 4);
  if (count == 0)
    return DecodeResult::Failure("the icon holds no image");
  if (file.size() < kDirectorySize + count * kEntrySize) {
    return DecodeResult::Failure("the icon directory is truncated");
  }
  std::optional<Candidate> best;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t entry = kDirectorySize + i * kEntrySize;
    const std::size_t bytes = ReadU32(file, entry + 8), offset = ReadU32(file, entry + 12);
    if (offset > file.size() || bytes > file.size() - offset)
      continue;
    const std::optional<Candidate> candidate = Probe(file.subspan(offset, bytes));
    if (candidate &&
        (!best || candidate->pixels > best->pixels ||
         (candidate->pixels == best->pixels && candidate->bitsPerPixel > best->bitsPerPixel))) {
      best = candidate;
    }
  }
  if (!best)
    return DecodeResult::Failure("the icon holds no readable image");
  return best->png ? DecodePngImage(best->data) : DecodeBitmapImage(best->data);
}

}  // namespace pixmora

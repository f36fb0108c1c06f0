#include "image/codecs/DibDecoder.h"

#include <algorithm>
#include <bit>

#include "image/codecs/LittleEndian.h"

namespace pixmora {

namespace {

// A run covers at most 255 pixels for 2 bytes and a delta skips at most 255 rows; coded data
// this short for its picture would leave nearly all of it unwritten, which no encoder does.
constexpr std::uint64_t kMaxRlePixelsPerByte = 16384;

bool IsIndexed(int bitsPerPixel) {
  return bitsPerPixel <= 8;
}

std::string CheckCompression(const DibHeader& h) {
  switch (h.compression) {
    case kBiRgb:
      return {};
    case kBiRle8:
      return h.bitsPerPixel == 8 ? "" : "RLE8 compression needs 8 bits per pixel";
    case kBiRle4:
      return h.bitsPerPixel == 4 ? "" : "RLE4 compression needs 4 bits per pixel";
    case kBiBitfields:
      return h.bitsPerPixel == 16 || h.bitsPerPixel == 32
                 ? ""
                 : "bit-field compression needs 16 or 32 bits per pixel";
    default:
      return "unsupported BMP compression " + std::to_string(h.compression);
  }
}

// Without bit fields, 16-bit pixels are 5-5-5 and 32-bit pixels B, G, R and a fourth byte.
std::array<std::uint32_t, 4> DefaultMasks(int bitsPerPixel) {
  if (bitsPerPixel == 16)
    return {0x7C00u, 0x03E0u, 0x001Fu, 0u};
  return {0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0xFF000000u};
}

// Turns the bits of one mask into an 8-bit component, stretching short fields to 0..255.
class MaskChannel {
 public:
  explicit MaskChannel(std::uint32_t mask)
      : mask_(mask),
        shift_(mask == 0 ? 0 : std::countr_zero(mask)),
        bits_(mask == 0 ? 0 : std::bit_width(mask >> shift_)) {}

  std::uint32_t operator()(std::uint32_t value) const {
    const std::uint32_t field = (value & mask_) >> shift_;
    if (bits_ == 0)
      return 0;
    if (bits_ >= 8)
      return (field >> (bits_ - 8)) & 0xFFu;
    const std::uint32_t max = (1u << bits_) - 1;
    return (field * 255 + max / 2) / max;
  }

 private:
  std::uint32_t mask_;
  int shift_;
  int bits_;
};

struct Palette {
  std::array<std::uint32_t, 256> pixels{};  // 0xFFRRGGBB by index
  std::vector<std::uint32_t> colors;        // 0x00BBGGRR, as the file lists them
};

// Reads the color table. Indices beyond a short table draw entry 0, so that every pixel has a
// color of the table.
std::string ReadPalette(std::span<const std::uint8_t> data, const DibHeader& h,
                        std::size_t pixelOffset, Palette& palette) {
  std::size_t entries = h.colorTableEntries;
  if (pixelOffset >= h.colorTableOffset) {
    entries = std::min(entries, (pixelOffset - h.colorTableOffset) / h.colorEntrySize);
  }
  if (entries == 0)
    return "the bitmap has no color table";
  if (h.colorTableOffset + entries * h.colorEntrySize > data.size()) {
    return "the color table is truncated";
  }
  for (std::size_t i = 0; i < entries; ++i) {
    const std::size_t at = h.colorTableOffset + i * h.colorEntrySize;
    const std::uint32_t b = data[at], g = data[at + 1], r = data[at + 2];
    palette.colors.push_back(b << 16 | g << 8 | r);
    palette.pixels[i] = 0xFF000000u | r << 16 | g << 8 | b;
  }
  std::fill(palette.pixels.begin() + static_cast<std::ptrdiff_t>(entries), palette.pixels.end(),
            palette.pixels[0]);
  return {};
}

void DecodeIndexedRow(const std::uint8_t* src, int bitsPerPixel, const Palette& palette,
                      std::uint32_t* dst, std::int64_t width) {
  if (bitsPerPixel == 8) {
    for (std::int64_t x = 0; x < width; ++x)
      dst[x] = palette.pixels[src[x]];
    return;
  }
  const unsigned perByte = 8u / static_cast<unsigned>(bitsPerPixel);
  const unsigned valueMask = (1u << bitsPerPixel) - 1;
  for (std::int64_t x = 0; x < width; ++x) {
    const unsigned slot = static_cast<unsigned>(x) % perByte;
    const unsigned shift = 8u - static_cast<unsigned>(bitsPerPixel) * (slot + 1);
    dst[x] = palette.pixels[(src[x / perByte] >> shift) & valueMask];
  }
}

class MaskedDecoder {
 public:
  MaskedDecoder(const std::array<std::uint32_t, 4>& masks, bool keepsAlpha)
      : red_(masks[0]),
        green_(masks[1]),
        blue_(masks[2]),
        alpha_(masks[3]),
        keepsAlpha_(keepsAlpha) {}

  std::uint32_t operator()(std::uint32_t value) const {
    const std::uint32_t a = keepsAlpha_ ? alpha_(value) : 0xFFu;
    return a << 24 | red_(value) << 16 | green_(value) << 8 | blue_(value);
  }

 private:
  MaskChannel red_, green_, blue_, alpha_;
  bool keepsAlpha_;
};

void DecodeDirectRow(const std::uint8_t* src, const DibHeader& h, const MaskedDecoder& masked,
                     std::uint32_t* dst) {
  const std::int64_t width = h.width;
  switch (h.bitsPerPixel) {
    case 16:
      for (std::int64_t x = 0; x < width; ++x) {
        dst[x] = masked(static_cast<std::uint32_t>(src[2 * x] | src[2 * x + 1] << 8));
      }
      break;
    case 24:
      for (std::int64_t x = 0; x < width; ++x) {
        const std::uint8_t* p = src + 3 * x;
        dst[x] = 0xFF000000u | std::uint32_t{p[2]} << 16 | std::uint32_t{p[1]} << 8 | p[0];
      }
      break;
    default:  // 32: B, G, R and the fourth byte are 0xAARRGGBB read little-endian
      if (h.compression == kBiRgb) {
        for (std::int64_t x = 0; x < width; ++x)
          dst[x] = ReadU32({src + 4 * x, 4}, 0);
      } else {
        for (std::int64_t x = 0; x < width; ++x)
          dst[x] = masked(ReadU32({src + 4 * x, 4}, 0));
      }
      break;
  }
}

std::string DecodeUncompressed(std::span<const std::uint8_t> data, const DibHeader& h,
                               std::size_t pixelOffset, const Palette& palette,
                               std::vector<std::uint32_t>& pixels) {
  const std::uint64_t stride = DibStride(h.width, h.bitsPerPixel);
  const std::uint64_t lastRow =
      (static_cast<std::uint64_t>(h.width) * static_cast<std::uint64_t>(h.bitsPerPixel) + 7) / 8;
  const std::uint64_t needed = stride * static_cast<std::uint64_t>(h.height - 1) + lastRow;
  if (pixelOffset > data.size() || needed > data.size() - pixelOffset) {
    return "the pixel data is truncated";
  }
  pixels.resize(static_cast<std::size_t>(h.width * h.height));
  const MaskedDecoder masked(h.masks, h.bitsPerPixel == 32);
  for (std::int64_t row = 0; row < h.height; ++row) {
    const std::uint8_t* src = data.data() + pixelOffset + static_cast<std::size_t>(row) * stride;
    const std::int64_t y = h.topDown ? row : h.height - 1 - row;
    std::uint32_t* dst = pixels.data() + static_cast<std::size_t>(y * h.width);
    if (IsIndexed(h.bitsPerPixel)) {
      DecodeIndexedRow(src, h.bitsPerPixel, palette, dst, h.width);
    } else {
      DecodeDirectRow(src, h, masked, dst);
    }
  }
  return {};
}

// Run-length coded rows, bottom row first unless top-down. Pixels that the codes skip (delta,
// end of line, end of bitmap) keep color entry 0.
class RleDecoder {
 public:
  RleDecoder(const DibHeader& h, const Palette& palette, std::vector<std::uint32_t>& pixels)
      : h_(h), palette_(palette), pixels_(pixels) {
    pixels_.assign(static_cast<std::size_t>(h.width * h.height), palette.pixels[0]);
  }

  std::string Decode(std::span<const std::uint8_t> stream) {
    std::size_t pos = 0;
    while (row_ < h_.height) {
      if (stream.size() - pos < 2)
        return Complete() ? "" : "the RLE pixel data is truncated";
      const unsigned count = stream[pos], code = stream[pos + 1];
      pos += 2;
      if (count > 0) {
        PutRun(count, code);
      } else if (code == 0) {  // end of line
        ++row_;
        x_ = 0;
      } else if (code == 1) {  // end of bitmap
        return {};
      } else if (code == 2) {  // delta
        if (stream.size() - pos < 2)
          return "the RLE pixel data is truncated";
        x_ += stream[pos];
        row_ += stream[pos + 1];
        pos += 2;
      } else {  // absolute run of `code` pixels, padded to a 16-bit boundary
        const std::size_t bytes = h_.compression == kBiRle8 ? code : (code + 1) / 2;
        if (stream.size() - pos < bytes)
          return "the RLE pixel data is truncated";
        PutAbsolute(stream.subspan(pos, bytes), code);
        pos += (bytes + 1) & ~std::size_t{1};
        if (pos > stream.size())
          pos = stream.size();
      }
    }
    return {};
  }

 private:
  // A stream may stop right after the last pixel of the top row without a final code.
  bool Complete() const { return row_ == h_.height - 1 && x_ >= h_.width; }

  void Put(unsigned index) {
    if (x_ < h_.width) {
      const std::int64_t y = h_.topDown ? row_ : h_.height - 1 - row_;
      pixels_[static_cast<std::size_t>(y * h_.width + x_)] = palette_.pixels[index];
    }
    ++x_;
  }

  void PutRun(unsigned count, unsigned value) {
    if (h_.compression == kBiRle8) {
      for (unsigned i = 0; i < count; ++i)
        Put(value);
    } else {
      for (unsigned i = 0; i < count; ++i)
        Put(i % 2 == 0 ? value >> 4 : value & 0x0Fu);
    }
  }

  void PutAbsolute(std::span<const std::uint8_t> bytes, unsigned count) {
    for (unsigned i = 0; i < count; ++i) {
      if (h_.compression == kBiRle8) {
        Put(bytes[i]);
      } else {
        const std::uint8_t b = bytes[i / 2];
        Put(i % 2 == 0 ? b >> 4 : b & 0x0Fu);
      }
    }
  }

  const DibHeader& h_;
  const Palette& palette_;
  std::vector<std::uint32_t>& pixels_;
  std::int64_t x_ = 0;
  std::int64_t row_ = 0;
};

}  // namespace

std::string ParseDibHeader(std::span<const std::uint8_t> data, std::size_t offset,
                           DibHeader& header) {
  if (offset > data.size() || data.size() - offset < 4)
    return "the bitmap header is truncated";
  DibHeader h;
  h.headerSize = ReadU32(data, offset);
  switch (h.headerSize) {
    case 12:
    case 40:
    case 52:
    case 56:
    case 108:
    case 124:
      break;
    default:
      return "unsupported bitmap header size " + std::to_string(h.headerSize);
  }
  if (data.size() - offset < h.headerSize)
    return "the bitmap header is truncated";
  std::uint32_t colorsUsed = 0;
  if (h.headerSize == 12) {
    h.width = ReadU16(data, offset + 4);
    h.height = ReadU16(data, offset + 6);
    h.bitsPerPixel = ReadU16(data, offset + 10);
    h.colorEntrySize = 3;
  } else {
    h.width = ReadS32(data, offset + 4);
    const std::int64_t height = ReadS32(data, offset + 8);
    h.topDown = height < 0;
    h.height = h.topDown ? -height : height;
    h.bitsPerPixel = ReadU16(data, offset + 14);
    h.compression = ReadU32(data, offset + 16);
    colorsUsed = ReadU32(data, offset + 32);
  }
  switch (h.bitsPerPixel) {
    case 1:
    case 2:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
      break;
    default:
      return "unsupported bit depth " + std::to_string(h.bitsPerPixel);
  }
  if (std::string error = CheckCompression(h); !error.empty())
    return error;
  if (std::string error = CheckImageSize(h.width, h.height); !error.empty())
    return error;

  h.colorTableOffset = offset + h.headerSize;
  h.masks = DefaultMasks(h.bitsPerPixel);
  if (h.compression == kBiBitfields) {
    std::size_t masksAt = offset + 40;
    if (h.headerSize == 40) {  // the masks follow the header, before the color table
      if (data.size() - h.colorTableOffset < 12)
        return "the bitmap header is truncated";
      h.colorTableOffset += 12;
    }
    for (std::size_t i = 0; i < 3; ++i)
      h.masks[i] = ReadU32(data, masksAt + 4 * i);
    if (h.headerSize >= 56) {
      const std::uint32_t alpha = ReadU32(data, offset + 52);
      if (alpha != 0)
        h.masks[3] = alpha;
    }
  }
  if (IsIndexed(h.bitsPerPixel)) {
    const std::size_t full = std::size_t{1} << h.bitsPerPixel;
    h.colorTableEntries = colorsUsed == 0 ? full : std::min<std::size_t>(colorsUsed, full);
  }
  header = h;
  return {};
}

DecodeResult DecodeDibPixels(std::span<const std::uint8_t> data, const DibHeader& header,
                             std::size_t pixelOffset) {
  if (pixelOffset < header.colorTableOffset) {
    return DecodeResult::Failure("the pixel data offset points into the header");
  }
  if (pixelOffset > data.size())
    return DecodeResult::Failure("the pixel data is truncated");
  Palette palette;
  if (IsIndexed(header.bitsPerPixel)) {
    if (std::string error = ReadPalette(data, header, pixelOffset, palette); !error.empty()) {
      return DecodeResult::Failure(error);
    }
  }
  DecodeResult result{true, {}, {}};
  DecodedPicture& picture = result.picture;
  std::string error;
  const std::uint64_t pixelCount = static_cast<std::uint64_t>(header.width * header.height);
  if (header.compression == kBiRle8 || header.compression == kBiRle4) {
    if (pixelCount / kMaxRlePixelsPerByte > data.size() - pixelOffset) {
      return DecodeResult::Failure("the RLE data is too short for a picture of " +
                                   std::to_string(header.width) + " x " +
                                   std::to_string(header.height) + " pixels");
    }
    error = RleDecoder(header, palette, picture.pixels).Decode(data.subspan(pixelOffset));
  } else {
    error = DecodeUncompressed(data, header, pixelOffset, palette, picture.pixels);
  }
  if (!error.empty())
    return DecodeResult::Failure(error);
  picture.width = static_cast<int>(header.width);
  picture.height = static_cast<int>(header.height);
  picture.keepsAlpha = header.bitsPerPixel == 32;
  // Most 32-bit files leave the fourth byte 0 as unused: such a picture is opaque, not invisible.
  if (picture.keepsAlpha && std::all_of(picture.pixels.begin(), picture.pixels.end(),
                                        [](std::uint32_t p) { return p >> 24 == 0; })) {
    picture.coverage.assign(picture.pixels.size(), 0xFF);
  }
  picture.hasPalette = IsIndexed(header.bitsPerPixel);
  picture.palette = std::move(palette.colors);
  return result;
}

}  // namespace pixmora

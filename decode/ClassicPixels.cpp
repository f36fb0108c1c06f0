#include "decode/ClassicPixels.h"

#include <vector>

#include "decode/ShownColors.h"

namespace pixmora {

int PixelsPerByte(ClassicEncoding encoding) {
  switch (encoding) {
    case ClassicEncoding::Palette2:
      return 2;
    case ClassicEncoding::Palette4:
      return 4;
    case ClassicEncoding::Palette8:
      return 8;
    default:
      return 1;
  }
}

namespace {

void PaintColor444(const std::uint8_t* bytes, std::uint32_t* out, std::size_t count) {
  // Nibble k is the high half of byte k / 2 when k is even.
  const auto nibble = [bytes](std::size_t k) {
    return k % 2 == 0 ? bytes[k / 2] >> 4 : bytes[k / 2] & 15;
  };
  for (std::size_t i = 0; i < count; ++i)
    out[i] = Shown444(nibble(3 * i), nibble(3 * i + 1), nibble(3 * i + 2));
}

// The earlier pixel sits in the higher bits.
std::string PaintPalette(int pixelsPerByte, const std::uint8_t* bytes,
                         std::span<const std::uint16_t> table, TBitmap32& picture) {
  std::vector<std::uint32_t> shown(table.size());
  for (std::size_t k = 0; k < table.size(); ++k)
    shown[k] = Shown565(table[k]);
  const int bits = 8 / pixelsPerByte;
  const unsigned mask = (1u << bits) - 1;
  std::uint32_t* out = picture.Pixels().data();
  const std::size_t count = picture.PixelCount();
  for (std::size_t i = 0; i < count; ++i) {
    const int place = static_cast<int>(i % pixelsPerByte);
    const unsigned index = (bytes[i / pixelsPerByte] >> (8 - bits * (place + 1))) & mask;
    if (index >= shown.size()) {
      const auto width = static_cast<std::size_t>(picture.Width());
      return "pixel (" + std::to_string(i % width) + ", " + std::to_string(i / width) +
             ") has the color index " + std::to_string(index) + ", but the color table has " +
             std::to_string(shown.size()) + (shown.size() == 1 ? " color" : " colors");
    }
    out[i] = shown[index];
  }
  return {};
}

// A partial group of n < 8 pixels fills the top n bits of its byte.
std::uint32_t MonochromePixel(std::uint8_t byte, int place, int pixelsInByte) {
  return (byte >> (8 - pixelsInByte + place)) & 1 ? kShownSetBit : kShownClearBit;
}

void PaintMonochromeHorizontal(const std::uint8_t* bytes, std::uint32_t* out, std::size_t count) {
  const std::size_t fullBytes = count / 8;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t group = i / 8;
    out[i] = MonochromePixel(bytes[group], static_cast<int>(i % 8),
                             group < fullBytes ? 8 : static_cast<int>(count % 8));
  }
}

// Page p holds rows 8p to 8p + 7, one byte per column.
void PaintMonochromeVertical(const std::uint8_t* bytes, TBitmap32& picture) {
  const int width = picture.Width();
  const int height = picture.Height();
  const int fullPages = height / 8;
  for (int y = 0; y < height; ++y) {
    const int page = y / 8;
    const int rows = page < fullPages ? 8 : height % 8;
    const std::uint8_t* pageBytes = bytes + static_cast<std::size_t>(page) * width;
    std::uint32_t* row = picture.Row(y);
    for (int x = 0; x < width; ++x)
      row[x] = MonochromePixel(pageBytes[x], y % 8, rows);
  }
}

}  // namespace

std::uint64_t EncodedByteCount(ClassicEncoding encoding, int width, int height) {
  const auto w = static_cast<std::uint64_t>(width);
  const auto h = static_cast<std::uint64_t>(height);
  const std::uint64_t pixels = w * h;
  switch (encoding) {
    case ClassicEncoding::Color565:
      return 2 * pixels;
    case ClassicEncoding::Color444:
      return (3 * pixels + 1) / 2;
    case ClassicEncoding::MonochromeVertical:
      return w * ((h + 7) / 8);
    case ClassicEncoding::MonochromeHorizontal:
      return (pixels + 7) / 8;
    default: {
      const int perByte = PixelsPerByte(encoding);
      return (pixels + perByte - 1) / perByte;
    }
  }
}

std::string PaintPixels(ClassicEncoding encoding, std::span<const std::uint8_t> bytes,
                        std::span<const std::uint16_t> table, TBitmap32& picture) {
  std::uint32_t* out = picture.Pixels().data();
  const std::size_t count = picture.PixelCount();
  const std::uint8_t* in = bytes.data();
  switch (encoding) {
    case ClassicEncoding::Color565:
      for (std::size_t i = 0; i < count; ++i)
        out[i] = Shown565(std::uint32_t{in[2 * i]} << 8 | in[2 * i + 1]);
      return {};
    case ClassicEncoding::Color444:
      PaintColor444(in, out, count);
      return {};
    case ClassicEncoding::Color332:
      for (std::size_t i = 0; i < count; ++i)
        out[i] = Shown332(in[i]);
      return {};
    case ClassicEncoding::MonochromeVertical:
      PaintMonochromeVertical(in, picture);
      return {};
    case ClassicEncoding::MonochromeHorizontal:
      PaintMonochromeHorizontal(in, out, count);
      return {};
    default:
      return PaintPalette(PixelsPerByte(encoding), in, table, picture);
  }
}

}  // namespace pixmora

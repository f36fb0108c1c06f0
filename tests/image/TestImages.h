#pragma once

// Builders of small image files for the decoder and document tests. PNG, GIF and JPEG files
// come from the libraries' own encoders; BMP and icon files are laid out byte by byte.
// Colors are given as 0x00RRGGBB (alpha, where it matters, as 0xAARRGGBB).

#include <array>
#include <cstdint>
#include <vector>

namespace pixmora::testing {

using Bytes = std::vector<std::uint8_t>;
using Rows = std::vector<Bytes>;  // packed sample bytes of each row, top row first, no padding

// Packs one row of palette indices (or gray samples) at 1, 2, 4 or 8 bits, first in the high bits.
Bytes PackRow(const std::vector<std::uint8_t>& values, int bitsPerSample);

// ---- BMP ----------------------------------------------------------------------------------

struct BmpSpec {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 24;
  std::uint32_t compression = 0;  // 0 none, 1 RLE8, 2 RLE4, 3 bit fields
  bool topDown = false;
  int headerSize = 40;                   // 12 (OS/2), 40, 108 or 124
  std::vector<std::uint32_t> palette;    // the color table as written
  std::uint32_t colorsUsed = 0;          // the header's count of used colors
  std::array<std::uint32_t, 4> masks{};  // red, green, blue, alpha for bit fields
  Rows rows;                             // uncompressed pixel rows
  Bytes rle;                             // the coded stream for RLE4 / RLE8
};

Bytes MakeBmp(const BmpSpec& layout);
// The device-independent bitmap alone (no file header), with `storedHeight` in its header.
Bytes MakeDib(const BmpSpec& layout, int storedHeight);

// A bottom-up 24-bit BMP of the pixels, top row first.
Bytes MakeBmp24(int width, int height, const std::vector<std::uint32_t>& pixels);
// A bottom-up 1-, 4- or 8-bit BMP with a full color table.
Bytes MakeIndexedBmp(int bitsPerPixel, int width, int height,
                     const std::vector<std::uint32_t>& palette,
                     const std::vector<std::uint8_t>& indices);

// ---- PNG ----------------------------------------------------------------------------------

struct PngSpec {
  int width = 0;
  int height = 0;
  int colorType = 2;  // 0 gray, 2 RGB, 3 indexed, 4 gray + alpha, 6 RGBA
  int bitDepth = 8;
  Rows rows;                               // samples as the PNG stores them
  std::vector<std::uint32_t> palette;      // PLTE for indexed pictures
  std::vector<std::uint8_t> paletteAlpha;  // tRNS for indexed pictures
  double gamma = 0;                        // gAMA when above 0
  bool interlaced = false;
};

Bytes MakePng(const PngSpec& layout);
// An 8-bit RGB (opaque) or RGBA PNG of 0xAARRGGBB pixels.
Bytes MakeRgbPng(int width, int height, const std::vector<std::uint32_t>& pixels, bool withAlpha);

// ---- GIF ----------------------------------------------------------------------------------

struct GifFrameSpec {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> palette;  // local color table, none when empty
  std::vector<std::uint8_t> indices;   // width * height, top row first
  int transparentIndex = -1;
  bool interlaced = false;
  int disposal = 0;  // 0 unspecified, 1 keep, 2 restore to background, 3 restore to previous
  int delayCs = 0;   // hundredths of a second
};

struct GifSpec {
  int screenWidth = 0;
  int screenHeight = 0;
  std::vector<std::uint32_t> palette;  // global color table, none when empty
  int backgroundIndex = 0;
  std::vector<GifFrameSpec> frames;
};

Bytes MakeGif(const GifSpec& layout);
// `count` frames of the given size filling the screen, frame i all index i of a 4-color table.
Bytes MakeAnimatedGif(int count, int width, int height);

// ---- JPEG ---------------------------------------------------------------------------------

struct JpegSpec {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0x00RRGGBB; gray pictures take the green component
  bool grayscale = false;
  bool cmyk = false;  // pixels are then 0xCCMMYYKK, stored as they are
  bool progressive = false;
  int quality = 95;
};

Bytes MakeJpeg(const JpegSpec& layout);

// ---- Icons --------------------------------------------------------------------------------

struct IconEntry {
  Bytes data;  // a DIB with its AND mask, or a PNG file
  int width = 0;
  int height = 0;
  int colorCount = 0;
  int bitCount = 0;
};

// A BMP entry: `layout` describes the XOR image; `transparent` marks mask bits (top row first,
// width * height, empty for an all-opaque mask).
IconEntry MakeIconBmpEntry(const BmpSpec& layout, const std::vector<bool>& transparent);
IconEntry MakeIconPngEntry(int width, int height, Bytes png);
Bytes MakeIcon(const std::vector<IconEntry>& entries);

// A 32 x 32 24-bit icon, all red except its four 4 x 4 corners, which are transparent.
Bytes MakeIconWithTransparentCorners();

}  // namespace pixmora::testing

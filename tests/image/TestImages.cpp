#include "tests/image/TestImages.h"

#include <gif_lib.h>
#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

namespace pixmora::testing {

namespace {

void PutU16(Bytes& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void PutU32(Bytes& out, std::uint32_t v) {
  PutU16(out, v & 0xFFFFu);
  PutU16(out, v >> 16);
}

std::uint8_t Red(std::uint32_t c) {
  return static_cast<std::uint8_t>(c >> 16);
}
std::uint8_t Green(std::uint32_t c) {
  return static_cast<std::uint8_t>(c >> 8);
}
std::uint8_t Blue(std::uint32_t c) {
  return static_cast<std::uint8_t>(c);
}

void PadTo4(Bytes& out, std::size_t rowStart) {
  while ((out.size() - rowStart) % 4 != 0)
    out.push_back(0);
}

}  // namespace

Bytes PackRow(const std::vector<std::uint8_t>& values, int bitsPerSample) {
  if (bitsPerSample == 8)
    return values;
  const int perByte = 8 / bitsPerSample;
  Bytes row((values.size() + perByte - 1) / perByte, 0);
  for (std::size_t i = 0; i < values.size(); ++i) {
    const int shift = 8 - bitsPerSample * (static_cast<int>(i % perByte) + 1);
    row[i / perByte] |= static_cast<std::uint8_t>(values[i] << shift);
  }
  return row;
}

// ---- BMP ----------------------------------------------------------------------------------

Bytes MakeDib(const BmpSpec& layout, int storedHeight) {
  Bytes out;
  if (layout.headerSize == 12) {
    PutU32(out, 12);
    PutU16(out, static_cast<std::uint32_t>(layout.width));
    PutU16(out, static_cast<std::uint32_t>(storedHeight));
    PutU16(out, 1);
    PutU16(out, static_cast<std::uint32_t>(layout.bitsPerPixel));
  } else {
    PutU32(out, static_cast<std::uint32_t>(layout.headerSize));
    PutU32(out, static_cast<std::uint32_t>(layout.width));
    PutU32(out, static_cast<std::uint32_t>(layout.topDown ? -storedHeight : storedHeight));
    PutU16(out, 1);
    PutU16(out, static_cast<std::uint32_t>(layout.bitsPerPixel));
    PutU32(out, layout.compression);
    PutU32(out, 0);     // image size: may be 0 for uncompressed rows
    PutU32(out, 2835);  // 72 dpi
    PutU32(out, 2835);
    PutU32(out, layout.colorsUsed);
    PutU32(out, 0);
    if (layout.headerSize >= 108) {  // the masks, the color space and zeros for the rest
      for (int i = 0; i < 4; ++i)
        PutU32(out, layout.masks[i]);
      PutU32(out, 0x73524742u);  // "sRGB"
      out.resize(static_cast<std::size_t>(layout.headerSize), 0);
    } else if (layout.compression == 3) {
      for (int i = 0; i < 3; ++i)
        PutU32(out, layout.masks[i]);
    }
  }
  for (std::uint32_t c : layout.palette) {
    out.push_back(Blue(c));
    out.push_back(Green(c));
    out.push_back(Red(c));
    if (layout.headerSize != 12)
      out.push_back(0);
  }
  if (layout.compression == 1 || layout.compression == 2) {
    out.insert(out.end(), layout.rle.begin(), layout.rle.end());
    return out;
  }
  for (std::size_t i = 0; i < layout.rows.size(); ++i) {
    const Bytes& row = layout.rows[layout.topDown ? i : layout.rows.size() - 1 - i];
    const std::size_t start = out.size();
    out.insert(out.end(), row.begin(), row.end());
    PadTo4(out, start);
  }
  return out;
}

Bytes MakeBmp(const BmpSpec& layout) {
  const Bytes dib = MakeDib(layout, layout.height);
  std::size_t headerBytes = static_cast<std::size_t>(layout.headerSize);
  if (layout.compression == 3 && layout.headerSize == 40)
    headerBytes += 12;
  const std::size_t paletteBytes = layout.palette.size() * (layout.headerSize == 12 ? 3 : 4);
  Bytes out = {'B', 'M'};
  PutU32(out, static_cast<std::uint32_t>(14 + dib.size()));
  PutU32(out, 0);
  PutU32(out, static_cast<std::uint32_t>(14 + headerBytes + paletteBytes));
  out.insert(out.end(), dib.begin(), dib.end());
  return out;
}

Bytes MakeBmp24(int width, int height, const std::vector<std::uint32_t>& pixels) {
  BmpSpec layout{.width = width, .height = height, .bitsPerPixel = 24};
  for (int y = 0; y < height; ++y) {
    Bytes row;
    for (int x = 0; x < width; ++x) {
      const std::uint32_t c = pixels[static_cast<std::size_t>(y * width + x)];
      row.insert(row.end(), {Blue(c), Green(c), Red(c)});
    }
    layout.rows.push_back(row);
  }
  return MakeBmp(layout);
}

Bytes MakeIndexedBmp(int bitsPerPixel, int width, int height,
                     const std::vector<std::uint32_t>& palette,
                     const std::vector<std::uint8_t>& indices) {
  BmpSpec layout{
      .width = width, .height = height, .bitsPerPixel = bitsPerPixel, .palette = palette};
  for (int y = 0; y < height; ++y) {
    const auto first = indices.begin() + y * width;
    layout.rows.push_back(PackRow({first, first + width}, bitsPerPixel));
  }
  return MakeBmp(layout);
}

// ---- PNG ----------------------------------------------------------------------------------

namespace {

void AppendPngData(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

void PngFail(png_structp png, png_const_charp) {
  std::longjmp(png_jmpbuf(png), 1);
}

}  // namespace

Bytes MakePng(const PngSpec& layout) {
  Bytes out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, PngFail, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    throw std::runtime_error("libpng could not write the test picture");
  }
  png_set_write_fn(png, &out, AppendPngData, nullptr);
  png_set_IHDR(png, info, static_cast<png_uint_32>(layout.width),
               static_cast<png_uint_32>(layout.height), layout.bitDepth, layout.colorType,
               layout.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  std::vector<png_color> plte;
  for (std::uint32_t c : layout.palette)
    plte.push_back({Red(c), Green(c), Blue(c)});
  if (!plte.empty())
    png_set_PLTE(png, info, plte.data(), static_cast<int>(plte.size()));
  Bytes alpha = layout.paletteAlpha;
  if (!alpha.empty())
    png_set_tRNS(png, info, alpha.data(), static_cast<int>(alpha.size()), nullptr);
  if (layout.gamma > 0)
    png_set_gAMA(png, info, layout.gamma);
  png_write_info(png, info);
  std::vector<png_bytep> rows;
  Rows copy = layout.rows;
  for (Bytes& row : copy)
    rows.push_back(row.data());
  png_write_image(png, rows.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

Bytes MakeRgbPng(int width, int height, const std::vector<std::uint32_t>& pixels, bool withAlpha) {
  PngSpec layout{.width = width, .height = height, .colorType = withAlpha ? 6 : 2};
  for (int y = 0; y < height; ++y) {
    Bytes row;
    for (int x = 0; x < width; ++x) {
      const std::uint32_t c = pixels[static_cast<std::size_t>(y * width + x)];
      row.insert(row.end(), {Red(c), Green(c), Blue(c)});
      if (withAlpha)
        row.push_back(static_cast<std::uint8_t>(c >> 24));
    }
    layout.rows.push_back(row);
  }
  return MakePng(layout);
}

// ---- GIF ----------------------------------------------------------------------------------

namespace {

int AppendGifData(GifFileType* gif, const GifByteType* data, int length) {
  auto* out = static_cast<Bytes*>(gif->UserData);
  out->insert(out->end(), data, data + length);
  return length;
}

// giflib copies the map it is given; the returned object is freed by the caller.
ColorMapObject* MakeColorMap(const std::vector<std::uint32_t>& colors) {
  if (colors.empty())
    return nullptr;
  std::vector<GifColorType> entries;
  for (std::uint32_t c : colors)
    entries.push_back({Red(c), Green(c), Blue(c)});
  ColorMapObject* map = GifMakeMapObject(static_cast<int>(entries.size()), entries.data());
  if (map == nullptr)
    throw std::runtime_error("GIF color tables need 2, 4, ... 256 entries");
  return map;
}

// Interlaced frames are written in the order of their four passes.
std::vector<int> RowOrder(int height, bool interlaced) {
  std::vector<int> order;
  if (!interlaced) {
    for (int y = 0; y < height; ++y)
      order.push_back(y);
    return order;
  }
  constexpr int kStart[] = {0, 4, 2, 1};
  constexpr int kStep[] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass) {
    for (int y = kStart[pass]; y < height; y += kStep[pass])
      order.push_back(y);
  }
  return order;
}

void Check(int status) {
  if (status != GIF_OK)
    throw std::runtime_error("giflib could not write the test picture");
}

}  // namespace

Bytes MakeGif(const GifSpec& layout) {
  Bytes out;
  int error = 0;
  GifFileType* gif = EGifOpen(&out, AppendGifData, &error);
  if (gif == nullptr)
    throw std::runtime_error("giflib could not start a test picture");
  EGifSetGifVersion(gif, true);
  ColorMapObject* global = MakeColorMap(layout.palette);
  const int bits = global != nullptr ? global->BitsPerPixel : 8;
  Check(EGifPutScreenDesc(gif, layout.screenWidth, layout.screenHeight, bits,
                          layout.backgroundIndex, global));
  GifFreeMapObject(global);
  for (const GifFrameSpec& frame : layout.frames) {
    if (frame.transparentIndex >= 0 || frame.disposal != 0 || frame.delayCs != 0) {
      const GraphicsControlBlock control{frame.disposal, false, frame.delayCs,
                                         frame.transparentIndex};
      GifByteType gce[4] = {};
      EGifGCBToExtension(&control, gce);
      Check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, gce));
    }
    ColorMapObject* local = MakeColorMap(frame.palette);
    if (local == nullptr && gif->Image.ColorMap != nullptr) {
      // giflib drops the previous image's table without freeing it when an image has none.
      GifFreeMapObject(gif->Image.ColorMap);
      gif->Image.ColorMap = nullptr;
    }
    const int status = EGifPutImageDesc(gif, frame.left, frame.top, frame.width, frame.height,
                                        frame.interlaced, local);
    GifFreeMapObject(local);
    Check(status);
    std::vector<GifPixelType> line(static_cast<std::size_t>(frame.width));
    for (int y : RowOrder(frame.height, frame.interlaced)) {
      const auto first = frame.indices.begin() + y * frame.width;
      std::copy(first, first + frame.width, line.begin());
      Check(EGifPutLine(gif, line.data(), frame.width));
    }
  }
  Check(EGifCloseFile(gif, &error));
  return out;
}

Bytes MakeAnimatedGif(int count, int width, int height) {
  GifSpec layout{.screenWidth = width,
                 .screenHeight = height,
                 .palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF}};
  for (int i = 0; i < count; ++i) {
    layout.frames.push_back(
        {.width = width,
         .height = height,
         .indices = std::vector<std::uint8_t>(static_cast<std::size_t>(width * height),
                                              static_cast<std::uint8_t>(i % 4))});
  }
  return MakeGif(layout);
}

// ---- JPEG ---------------------------------------------------------------------------------

namespace {

struct JpegWriteError {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

void JpegFail(j_common_ptr cinfo) {
  std::longjmp(reinterpret_cast<JpegWriteError*>(cinfo->err)->jump, 1);
}

}  // namespace

Bytes MakeJpeg(const JpegSpec& layout) {
  jpeg_compress_struct cinfo{};
  JpegWriteError error{};
  cinfo.err = jpeg_std_error(&error.base);
  error.base.error_exit = JpegFail;
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  if (setjmp(error.jump)) {
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    throw std::runtime_error("libjpeg could not write the test picture");
  }
  jpeg_create_compress(&cinfo);
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(layout.width);
  cinfo.image_height = static_cast<JDIMENSION>(layout.height);
  cinfo.input_components = layout.grayscale ? 1 : layout.cmyk ? 4 : 3;
  cinfo.in_color_space = layout.grayscale ? JCS_GRAYSCALE : layout.cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, layout.quality, TRUE);
  if (layout.progressive)
    jpeg_simple_progression(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  Bytes row;
  while (cinfo.next_scanline < cinfo.image_height) {
    row.clear();
    for (int x = 0; x < layout.width; ++x) {
      const std::uint32_t c =
          layout.pixels[static_cast<std::size_t>(cinfo.next_scanline) * layout.width + x];
      if (layout.grayscale) {
        row.push_back(Green(c));
      } else if (layout.cmyk) {
        row.insert(row.end(), {static_cast<std::uint8_t>(c >> 24), Red(c), Green(c), Blue(c)});
      } else {
        row.insert(row.end(), {Red(c), Green(c), Blue(c)});
      }
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  Bytes out(buffer, buffer + size);
  std::free(buffer);
  return out;
}

// ---- Icons --------------------------------------------------------------------------------

IconEntry MakeIconBmpEntry(const BmpSpec& layout, const std::vector<bool>& transparent) {
  IconEntry entry{.data = MakeDib(layout, 2 * layout.height),
                  .width = layout.width,
                  .height = layout.height,
                  .colorCount = layout.bitsPerPixel <= 8 ? 1 << layout.bitsPerPixel : 0,
                  .bitCount = layout.bitsPerPixel};
  for (int y = layout.height - 1; y >= 0; --y) {  // the mask is stored bottom-up too
    std::vector<std::uint8_t> bits(static_cast<std::size_t>(layout.width), 0);
    for (int x = 0; x < layout.width; ++x) {
      const std::size_t i = static_cast<std::size_t>(y * layout.width + x);
      bits[static_cast<std::size_t>(x)] = !transparent.empty() && transparent[i] ? 1 : 0;
    }
    const std::size_t start = entry.data.size();
    const Bytes row = PackRow(bits, 1);
    entry.data.insert(entry.data.end(), row.begin(), row.end());
    PadTo4(entry.data, start);
  }
  return entry;
}

IconEntry MakeIconPngEntry(int width, int height, Bytes png) {
  return {.data = std::move(png), .width = width, .height = height, .bitCount = 32};
}

Bytes MakeIcon(const std::vector<IconEntry>& entries) {
  Bytes out;
  PutU16(out, 0);
  PutU16(out, 1);
  PutU16(out, static_cast<std::uint32_t>(entries.size()));
  std::size_t offset = 6 + 16 * entries.size();
  for (const IconEntry& e : entries) {
    out.push_back(static_cast<std::uint8_t>(e.width >= 256 ? 0 : e.width));
    out.push_back(static_cast<std::uint8_t>(e.height >= 256 ? 0 : e.height));
    out.push_back(static_cast<std::uint8_t>(e.colorCount >= 256 ? 0 : e.colorCount));
    out.push_back(0);
    PutU16(out, 1);
    PutU16(out, static_cast<std::uint32_t>(e.bitCount));
    PutU32(out, static_cast<std::uint32_t>(e.data.size()));
    PutU32(out, static_cast<std::uint32_t>(offset));
    offset += e.data.size();
  }
  for (const IconEntry& e : entries)
    out.insert(out.end(), e.data.begin(), e.data.end());
  return out;
}

Bytes MakeIconWithTransparentCorners() {
  constexpr int kSize = 32;
  BmpSpec layout{.width = kSize, .height = kSize, .bitsPerPixel = 24};
  std::vector<bool> transparent;
  for (int y = 0; y < kSize; ++y) {
    Bytes row;
    for (int x = 0; x < kSize; ++x) {
      const bool corner = (x < 4 || x >= kSize - 4) && (y < 4 || y >= kSize - 4);
      transparent.push_back(corner);
      // Transparent pixels are black in the XOR image, as icon editors write them.
      row.insert(row.end(), {0x00, 0x00, static_cast<std::uint8_t>(corner ? 0x00 : 0xFF)});
    }
    layout.rows.push_back(row);
  }
  return MakeIcon({MakeIconBmpEntry(layout, transparent)});
}

}  // namespace pixmora::testing

#include "image/PngWriter.h"

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <vector>

namespace pixmora {

namespace {

// Everything libpng's error jump may leave behind lives here, outside the jumping frame.
struct PngWrite {
  PngFile file;
  png_structp png = nullptr;
  png_infop info = nullptr;
  std::vector<std::uint8_t> row;

  ~PngWrite() { png_destroy_write_struct(&png, &info); }
};

void WriteToMemory(png_structp png, png_bytep data, std::size_t length) {
  auto& write = *static_cast<PngWrite*>(png_get_io_ptr(png));
  write.file.bytes.append(reinterpret_cast<const char*>(data), length);
}

void Flush(png_structp) {}

void OnError(png_structp png, png_const_charp message) {
  auto& write = *static_cast<PngWrite*>(png_get_error_ptr(png));
  write.file.error = message;
  png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

bool Encode(PngWrite& write, const TBitmap32& picture, bool alpha) {
  if (setjmp(png_jmpbuf(write.png)))
    return false;
  png_set_write_fn(write.png, &write, WriteToMemory, Flush);
  png_set_IHDR(write.png, write.info, static_cast<png_uint_32>(picture.Width()),
               static_cast<png_uint_32>(picture.Height()), 8,
               alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(write.png, write.info);
  const std::size_t channels = alpha ? 4 : 3;
  write.row.resize(static_cast<std::size_t>(picture.Width()) * channels);
  for (int y = 0; y < picture.Height(); ++y) {
    const std::uint32_t* pixels = picture.Row(y);
    std::uint8_t* out = write.row.data();
    for (int x = 0; x < picture.Width(); ++x, out += channels) {
      out[0] = RedOf(pixels[x]);
      out[1] = GreenOf(pixels[x]);
      out[2] = BlueOf(pixels[x]);
      if (alpha)
        out[3] = static_cast<std::uint8_t>(pixels[x] >> 24);
    }
    png_write_row(write.png, write.row.data());
  }
  png_write_end(write.png, nullptr);
  return true;
}

}  // namespace

PngFile EncodePng(const TBitmap32& picture) {
  if (picture.Empty())
    return {{}, "the picture is empty"};
  PngWrite write;
  write.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &write, OnError, OnWarning);
  if (write.png != nullptr)
    write.info = png_create_info_struct(write.png);
  if (write.png == nullptr || write.info == nullptr)
    return {{}, "out of memory"};
  const bool alpha = std::any_of(picture.Pixels().begin(), picture.Pixels().end(),
                                 [](std::uint32_t p) { return p >> 24 != 0xFF; });
  if (!Encode(write, picture, alpha)) {
    write.file.bytes.clear();
    if (write.file.error.empty())
      write.file.error = "libpng failed";
  }
  return std::move(write.file);
}

TBitmap32 ScaleNearest(const TBitmap32& picture, int scale) {
  TBitmap32 scaled(picture.Width() * scale, picture.Height() * scale);
  for (int y = 0; y < scaled.Height(); ++y) {
    const std::uint32_t* in = picture.Row(y / scale);
    std::uint32_t* out = scaled.Row(y);
    for (int x = 0; x < scaled.Width(); ++x)
      out[x] = in[x / scale];
  }
  return scaled;
}

}  // namespace pixmora

// Writes a W x H PNG with smooth gradients and fine noise, so it is as hard to decode as a
// photograph; with "palette", an indexed picture of 16 colors instead.
#include <png.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

int main(int argc, char** argv) {
  if (argc < 4)
    return 2;
  const int w = std::atoi(argv[2]);
  const int h = std::atoi(argv[3]);
  const bool palette = argc > 4 && std::strcmp(argv[4], "palette") == 0;
  FILE* f = std::fopen(argv[1], "wb");
  if (f == nullptr)
    return 1;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_init_io(png, f);
  png_set_IHDR(png, info, w, h, 8, palette ? PNG_COLOR_TYPE_PALETTE : PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_color colors[16];
  for (int i = 0; i < 16; ++i) {
    colors[i] = {static_cast<png_byte>(i * 17), static_cast<png_byte>(255 - i * 13),
                 static_cast<png_byte>((i * 71) & 0xFF)};
  }
  if (palette)
    png_set_PLTE(png, info, colors, 16);
  png_write_info(png, info);
  std::vector<png_byte> row(static_cast<std::size_t>(w) * 3);
  std::uint32_t seed = 12345;
  auto clamp = [](int v) { return static_cast<png_byte>(v < 0 ? 0 : v > 255 ? 255 : v); };
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      seed = seed * 1664525u + 1013904223u;
      const int noise = static_cast<int>(seed >> 28) - 8;
      if (palette) {
        row[x] = static_cast<png_byte>((x * 16 / w + (noise > 5 ? 1 : 0)) & 15);
        continue;
      }
      row[x * 3] = clamp(x * 255 / w + noise);
      row[x * 3 + 1] = clamp(y * 255 / h + noise);
      row[x * 3 + 2] = clamp(((x / 64 + y / 64) % 2 ? 200 : 60) + noise);
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return std::fclose(f) == 0 ? 0 : 1;
}

// Every target's text, compiled as C99 and as C++17 in two translation units that both include
// it, linked, and read back by a small reader written from the layouts the display libraries
// read. The expected pixels are computed here from the same descriptions, not by the encoders.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "targets/CodeWriter.h"
#include "targets/TargetData.h"
#include "tests/image/TempFolderTest.h"
#include "tests/targets/CProgram.h"

namespace pixmora {
namespace {

constexpr std::pair<int, int> kSizes[] = {{1, 1}, {13, 2}, {2, 3}, {37, 11}, {128, 64}};

// ---- Readers, in C, one per layout family -------------------------------------------------

constexpr const char* kBitRowsReader = R"(
static void show(const char *name, const uint8_t *d, int w, int h, int leftmostInBit0) {
  int x, y, pad = 0, bpr = (w + 7) / 8;
  printf("%s %d %d\n", name, w, h);
  for (y = 0; y < h; ++y) {
    for (x = 0; x < bpr * 8; ++x) {
      int bit = (d[y * bpr + x / 8] >> (leftmostInBit0 ? x % 8 : 7 - x % 8)) & 1;
      if (x < w) putchar('0' + bit); else pad += bit;
    }
    putchar('\n');
  }
  printf("pad %d\n", pad);
}
)";

constexpr const char* kPagesReader = R"(
static void show(const char *name, const uint8_t *d, int w, int h, int pages) {
  int x, y, pad = 0;
  printf("%s %d %d\n", name, w, h);
  for (y = 0; y < pages * 8; ++y) {
    for (x = 0; x < w; ++x) {
      int bit = (d[(y / 8) * w + x] >> (y % 8)) & 1;
      if (y < h) putchar('0' + bit); else pad += bit;
    }
    if (y < h) putchar('\n');
  }
  printf("pad %d\n", pad);
}
)";

// 16-bit (words) or 8-bit values, stride w, with the gfx-bitmap mask when there is one.
constexpr const char* kValuesReader = R"(
static void show(const char *name, const uint16_t *words, const uint8_t *bytes,
                 const uint8_t *mask, int w, int h) {
  int x, y;
  printf("%s %d %d\n", name, w, h);
  for (y = 0; y < h; ++y) {
    for (x = 0; x < w; ++x) {
      if (words) printf("%04X ", (unsigned)words[y * w + x]);
      else printf("%02X ", (unsigned)bytes[y * w + x]);
      if (mask) printf("%d ", (mask[y * ((w + 7) / 8) + x / 8] >> (7 - x % 8)) & 1);
    }
    putchar('\n');
  }
  printf("pad 0\n");
}
)";

// Packed values of bpp bits, the leftmost in the high bits, rows padded to bytes; through a
// color map when there is one.
constexpr const char* kPackedReader = R"(
static void show(const char *name, const uint8_t *d, const uint16_t *map, int bpp, int w,
                 int h) {
  int x, y, pad = 0, bpr = (w * bpp + 7) / 8, per = 8 / bpp;
  printf("%s %d %d\n", name, w, h);
  for (y = 0; y < h; ++y) {
    for (x = 0; x < bpr * per; ++x) {
      int v = (d[y * bpr + x / per] >> (8 - bpp - (x % per) * bpp)) & ((1 << bpp) - 1);
      if (x >= w) pad += v;
      else if (map) printf("%04X ", (unsigned)map[v]);
      else printf("%X ", (unsigned)v);
    }
    putchar('\n');
  }
  printf("pad %d\n", pad);
}
)";

constexpr const char* kLvglReader = R"(
static void show(const char *name, const lv_image_dsc_t *img) {
  const uint8_t *d = img->data;
  int w = (int)img->header.w, h = (int)img->header.h, s = (int)img->header.stride;
  int cf = (int)img->header.cf, x, y, pad = 0, bpp = 0;
  printf("%s %d %d\n", name, w, h);
  printf("magic %X cf %X flags %u stride %d size %lu\n", (unsigned)img->header.magic,
         (unsigned)cf, (unsigned)img->header.flags, s, (unsigned long)img->data_size);
  if (cf >= 0x07 && cf <= 0x0A) bpp = 1 << (cf - 0x07);
  for (y = 0; y < h; ++y) {
    const uint8_t *row = d + (bpp ? 4 << bpp : 0) + y * s;
    int used = 0;
    for (x = 0; x < w; ++x) {
      const uint8_t *p;
      switch (cf) {
        case 0x12: printf("%04X ", (unsigned)(row[2 * x] | row[2 * x + 1] << 8)); used = 2 * w; break;
        case 0x1B: printf("%04X ", (unsigned)(row[2 * x] << 8 | row[2 * x + 1])); used = 2 * w; break;
        case 0x0F: p = row + 3 * x; printf("%02X%02X%02X ", p[2], p[1], p[0]); used = 3 * w; break;
        case 0x11: p = row + 4 * x; printf("%02X%02X%02X ", p[2], p[1], p[0]); used = 4 * w; break;
        case 0x10: p = row + 4 * x; printf("%02X%02X%02X%02X ", p[2], p[1], p[0], p[3]); used = 4 * w; break;
        case 0x14:
          printf("%04X%02X ", (unsigned)(row[2 * x] | row[2 * x + 1] << 8),
                 d[h * s + y * (s / 2) + x]);
          used = 2 * w;
          break;
        case 0x06: case 0x0E: printf("%02X ", row[x]); used = w; break;
        default: {
          int per = 8 / bpp, v = (row[x / per] >> (8 - bpp - (x % per) * bpp)) & ((1 << bpp) - 1);
          p = d + 4 * v;
          printf("%02X%02X%02X%02X ", p[2], p[1], p[0], p[3]);
          used = (w * bpp + 7) / 8;
          if (x == w - 1 && w % per) pad += row[x / per] & ((1 << (8 - (w % per) * bpp)) - 1);
        }
      }
    }
    for (x = used; x < s; ++x) pad += row[x] != 0;
    putchar('\n');
  }
  printf("pad %d\n", pad);
}
)";

constexpr const char* kLvglStandIn = R"(#ifndef LVGL_H
#define LVGL_H
#include <stdint.h>
#define LV_IMAGE_HEADER_MAGIC 0x19
typedef enum {
  LV_COLOR_FORMAT_L8 = 0x06,
  LV_COLOR_FORMAT_I1 = 0x07,
  LV_COLOR_FORMAT_I2 = 0x08,
  LV_COLOR_FORMAT_I4 = 0x09,
  LV_COLOR_FORMAT_I8 = 0x0A,
  LV_COLOR_FORMAT_A8 = 0x0E,
  LV_COLOR_FORMAT_RGB888 = 0x0F,
  LV_COLOR_FORMAT_ARGB8888 = 0x10,
  LV_COLOR_FORMAT_XRGB8888 = 0x11,
  LV_COLOR_FORMAT_RGB565 = 0x12,
  LV_COLOR_FORMAT_RGB565A8 = 0x14,
  LV_COLOR_FORMAT_RGB565_SWAPPED = 0x1B
} lv_color_format_t;
typedef struct {
  uint32_t magic : 8;
  uint32_t cf : 8;
  uint32_t flags : 16;
  uint32_t w : 16;
  uint32_t h : 16;
  uint32_t stride : 16;
  uint32_t reserved_2 : 16;
} lv_image_header_t;
typedef struct {
  lv_image_header_t header;
  uint32_t data_size;
  const uint8_t *data;
  const void *reserved;
  const void *reserved_2;
} lv_image_dsc_t;
#define LV_IMAGE_DECLARE(var_name) extern const lv_image_dsc_t var_name
#endif
)";

// ---- Pictures and what the readers must print for them -----------------------------------

// Random colors; a fifth of the pixels transparent and a fifth partly covered.
TBitmap32 TranslucentPicture(int width, int height) {
  std::mt19937 random(static_cast<unsigned>(width * 1000 + height));
  TBitmap32 image(width, height);
  for (std::uint32_t& p : image.Pixels()) {
    const std::uint32_t kind = random() % 5;
    const std::uint32_t alpha = kind == 0 ? 0 : kind == 1 ? 1 + random() % 254 : 255;
    p = alpha << 24 | (random() & 0xFFFFFF);
  }
  return image;
}

// Pixels drawn from a palette of distinct colors (0x00BBGGRR), opaque.
TBitmap32 PalettePicture(int width, int height, const std::vector<std::uint32_t>& palette) {
  std::mt19937 random(static_cast<unsigned>(width * 7 + height));
  TBitmap32 image(width, height);
  for (std::uint32_t& p : image.Pixels()) {
    const std::uint32_t c = palette[random() % palette.size()];
    p = 0xFF000000u | (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF);
  }
  return image;
}

std::vector<std::uint32_t> DistinctPalette(std::size_t count) {
  std::vector<std::uint32_t> palette;
  for (std::size_t k = 0; k < count; ++k)
    palette.push_back(static_cast<std::uint32_t>(k * 0x10307 + 0x00402010) & 0xFFFFFF);
  return palette;
}

struct Rgb {
  int r, g, b;
};

int ChannelOf(std::uint32_t color, int shift) {
  return static_cast<int>((color >> shift) & 0xFF);
}

// Straight colors blended over the background by their alpha.
Rgb Blended(std::uint32_t argb, std::uint32_t background) {
  const int a = ChannelOf(argb, 24);
  auto mix = [&](int shift) {
    return (ChannelOf(argb, shift) * a + ChannelOf(background, shift) * (255 - a) + 127) / 255;
  };
  return {mix(16), mix(8), mix(0)};
}

int Luma(Rgb c) {
  return (299 * c.r + 587 * c.g + 114 * c.b + 500) / 1000;
}

int Rgb565(Rgb c) {
  return (c.r >> 3) << 11 | (c.g >> 2) << 5 | c.b >> 3;
}

std::string Hex(unsigned value, int digits) {
  char text[16];
  std::snprintf(text, sizeof text, "%0*X", digits, value);
  return text;
}

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlack = 0x000000;

// ---- The variants -------------------------------------------------------------------------

struct Variant {
  const char* label;
  TargetSettings settings;
  std::size_t paletteSize;  // 0: a translucent picture
  const char* reader;
  const char* call;   // $ stands for the name, @ for its upper-case form
  const char* bytes;  // a C expression: the bytes of one picture's arrays
  std::function<std::string(std::uint32_t argb)> pixel;
  std::function<std::size_t(std::size_t w, std::size_t h)> size;
  std::function<std::size_t(std::size_t w)> stride;  // lvgl9: the header's stride
};

TargetSettings Settings(TargetKind kind, std::function<void(TargetSettings&)> change = nullptr) {
  TargetSettings s;
  s.target = kind;
  if (change)
    change(s);
  return s;
}

std::string Bit(bool set) {
  return set ? "1" : "0";
}

std::size_t Ceil(std::size_t a, std::size_t b) {
  return (a + b - 1) / b;
}

std::string LvglPixelOfPalette(std::uint32_t argb) {
  return Hex(argb & 0xFFFFFF, 6) + "FF ";
}

// rowBytes: the bytes of a row's pixels; the stride raises it to the alignment. The palette
// (2^bits entries of 4 bytes) comes first, RGB565A8's alpha plane of half the stride last.
Variant LvglVariant(const char* label, LvglFormat format, int align, std::size_t paletteSize,
                    std::function<std::size_t(std::size_t w)> rowBytes,
                    std::function<std::string(std::uint32_t argb)> pixel) {
  TargetSettings settings;
  settings.target = TargetKind::Lvgl9;
  settings.colorFormat = format;
  settings.align = align;
  const auto stride = [=](std::size_t w) {
    return Ceil(rowBytes(w), static_cast<std::size_t>(align)) * static_cast<std::size_t>(align);
  };
  const auto size = [=](std::size_t w, std::size_t h) {
    const std::size_t alpha = format == LvglFormat::RGB565A8 ? stride(w) / 2 * h : 0;
    return 4 * paletteSize + stride(w) * h + alpha;
  };
  return {label,         settings,         paletteSize, kLvglReader, "show(\"$\", &$);",
          "$.data_size", std::move(pixel), size,        stride};
}

std::vector<Variant> Variants() {
  using K = TargetKind;
  using F = LvglFormat;
  const auto dark = [](std::uint32_t p) { return Bit(Luma(Blended(p, kWhite)) < 128); };
  const auto mask = [](std::uint32_t p) { return Bit(p >> 24 >= 128) + " "; };
  const auto rgb565 = [](std::uint32_t p) { return Hex(Rgb565(Blended(p, kBlack)), 4) + " "; };
  const auto straight = [](std::uint32_t p) {
    return p >> 24 == 0 ? Rgb{0, 0, 0} : Rgb{ChannelOf(p, 16), ChannelOf(p, 8), ChannelOf(p, 0)};
  };
  const auto rgb888 = [](std::uint32_t p) {
    const Rgb c = Blended(p, kBlack);
    return Hex(static_cast<unsigned>(c.r << 16 | c.g << 8 | c.b), 6) + " ";
  };
  return {
      {"gfx_bitmap", Settings(K::GfxBitmap), 0, kBitRowsReader,
       "show(\"$\", $, @_WIDTH, @_HEIGHT, 0);", "sizeof($)", dark,
       [](std::size_t w, std::size_t h) { return Ceil(w, 8) * h; }},
      {"gfx_bitmap_code_c_ram_lit",
       Settings(K::GfxBitmap,
                [](TargetSettings& s) {
                  s.code = CodeStyle::C;
                  s.progmem = false;
                  s.invert = true;
                  s.lumaThreshold = 90;
                  s.background = 0x102030;
                  s.section = ".rodata.pixmora";
                  s.align = 8;
                }),
       0, kBitRowsReader, "show(\"$\", $, @_WIDTH, @_HEIGHT, 0);", "sizeof($)",
       [](std::uint32_t p) { return Bit(Luma(Blended(p, 0x102030)) >= 90); },
       [](std::size_t w, std::size_t h) { return Ceil(w, 8) * h; }},
      {"xbm", Settings(K::Xbm), 0, kBitRowsReader, "show(\"$\", $_bits, $_width, $_height, 1);",
       "sizeof($_bits)", dark, [](std::size_t w, std::size_t h) { return Ceil(w, 8) * h; }},
      {"pages", Settings(K::Pages), 0, kPagesReader, "show(\"$\", $, @_WIDTH, @_HEIGHT, @_PAGES);",
       "sizeof($)", dark, [](std::size_t w, std::size_t h) { return w * Ceil(h, 8); }},
      {"pages_code_c", Settings(K::Pages, [](TargetSettings& s) { s.code = CodeStyle::C; }), 0,
       kPagesReader, "show(\"$\", $, @_WIDTH, @_HEIGHT, @_PAGES);", "sizeof($)", dark,
       [](std::size_t w, std::size_t h) { return w * Ceil(h, 8); }},
      {"rgb565", Settings(K::Rgb565), 0, kValuesReader, "show(\"$\", $, 0, 0, @_WIDTH, @_HEIGHT);",
       "sizeof($)", rgb565, [](std::size_t w, std::size_t h) { return 2 * w * h; }},
      {"rgb565_swapped_white",
       Settings(K::Rgb565,
                [](TargetSettings& s) {
                  s.swapBytes = true;
                  s.background = kWhite;
                }),
       0, kValuesReader, "show(\"$\", $, 0, 0, @_WIDTH, @_HEIGHT);", "sizeof($)",
       [](std::uint32_t p) {
         const int v = Rgb565(Blended(p, kWhite));
         return Hex((v & 0xFF) << 8 | v >> 8, 4) + " ";
       },
       [](std::size_t w, std::size_t h) { return 2 * w * h; }},
      {"rgb565_mask_code_c",
       Settings(K::Rgb565,
                [](TargetSettings& s) {
                  s.mask = true;
                  s.code = CodeStyle::C;
                }),
       0, kValuesReader, "show(\"$\", $, 0, $_mask, @_WIDTH, @_HEIGHT);",
       "sizeof($) + sizeof($_mask)", [=](std::uint32_t p) { return rgb565(p) + mask(p); },
       [](std::size_t w, std::size_t h) { return 2 * w * h + Ceil(w, 8) * h; }},
      {"rgb332", Settings(K::Rgb332), 0, kValuesReader, "show(\"$\", 0, $, 0, @_WIDTH, @_HEIGHT);",
       "sizeof($)",
       [](std::uint32_t p) {
         const Rgb c = Blended(p, kBlack);
         return Hex(static_cast<unsigned>((c.r >> 5) << 5 | (c.g >> 5) << 2 | c.b >> 6), 2) + " ";
       },
       [](std::size_t w, std::size_t h) { return w * h; }},
      {"gray8_mask", Settings(K::Gray8, [](TargetSettings& s) { s.mask = true; }), 0, kValuesReader,
       "show(\"$\", 0, $, $_mask, @_WIDTH, @_HEIGHT);", "sizeof($) + sizeof($_mask)",
       [=](std::uint32_t p) {
         return Hex(static_cast<unsigned>(Luma(Blended(p, kWhite))), 2) + " " + mask(p);
       },
       [](std::size_t w, std::size_t h) { return w * h + Ceil(w, 8) * h; }},
      {"gray4", Settings(K::Gray4), 0, kPackedReader, "show(\"$\", $, 0, 4, @_WIDTH, @_HEIGHT);",
       "sizeof($)",
       [](std::uint32_t p) {
         return Hex(static_cast<unsigned>(Luma(Blended(p, kWhite)) >> 4), 1) + " ";
       },
       [](std::size_t w, std::size_t h) { return Ceil(w, 2) * h; }},
      {"gray2", Settings(K::Gray2), 0, kPackedReader, "show(\"$\", $, 0, 2, @_WIDTH, @_HEIGHT);",
       "sizeof($)",
       [](std::uint32_t p) {
         return Hex(static_cast<unsigned>(Luma(Blended(p, kWhite)) >> 6), 1) + " ";
       },
       [](std::size_t w, std::size_t h) { return Ceil(w, 4) * h; }},
      {"index4", Settings(K::Index4), 16, kPackedReader,
       "show(\"$\", $, $_cmap, 4, @_WIDTH, @_HEIGHT);", "sizeof($) + sizeof($_cmap)", rgb565,
       [](std::size_t w, std::size_t h) { return Ceil(w, 2) * h + 32; }},
      {"index8_code_c", Settings(K::Index8, [](TargetSettings& s) { s.code = CodeStyle::C; }), 256,
       kPackedReader, "show(\"$\", $, $_cmap, 8, @_WIDTH, @_HEIGHT);", "sizeof($) + sizeof($_cmap)",
       rgb565, [](std::size_t w, std::size_t h) { return w * h + 512; }},
      LvglVariant(
          "lvgl9_rgb565", F::RGB565, 1, 0, [](std::size_t w) { return 2 * w; }, rgb565),
      LvglVariant(
          "lvgl9_rgb565_swapped_align4", F::RGB565_SWAPPED, 4, 0,
          [](std::size_t w) { return 2 * w; }, rgb565),
      LvglVariant(
          "lvgl9_rgb888", F::RGB888, 1, 0, [](std::size_t w) { return 3 * w; }, rgb888),
      LvglVariant(
          "lvgl9_xrgb8888", F::XRGB8888, 1, 0, [](std::size_t w) { return 4 * w; }, rgb888),
      LvglVariant(
          "lvgl9_argb8888", F::ARGB8888, 1, 0, [](std::size_t w) { return 4 * w; },
          [=](std::uint32_t p) {
            const Rgb c = straight(p);
            return Hex(static_cast<unsigned>(c.r << 16 | c.g << 8 | c.b), 6) + Hex(p >> 24, 2) +
                   " ";
          }),
      LvglVariant(
          "lvgl9_rgb565a8_align8", F::RGB565A8, 8, 0, [](std::size_t w) { return 2 * w; },
          [=](std::uint32_t p) {
            return Hex(static_cast<unsigned>(Rgb565(straight(p))), 4) + Hex(p >> 24, 2) + " ";
          }),
      LvglVariant(
          "lvgl9_l8", F::L8, 1, 0, [](std::size_t w) { return w; },
          [](std::uint32_t p) {
            return Hex(static_cast<unsigned>(Luma(Blended(p, kWhite))), 2) + " ";
          }),
      LvglVariant(
          "lvgl9_a8", F::A8, 1, 0, [](std::size_t w) { return w; },
          [](std::uint32_t p) { return Hex(p >> 24, 2) + " "; }),
      LvglVariant(
          "lvgl9_i1", F::I1, 2, 2, [](std::size_t w) { return Ceil(w, 8); }, LvglPixelOfPalette),
      LvglVariant(
          "lvgl9_i2_align2", F::I2, 2, 4, [](std::size_t w) { return Ceil(w, 4); },
          LvglPixelOfPalette),
      LvglVariant(
          "lvgl9_i4", F::I4, 1, 16, [](std::size_t w) { return Ceil(w, 2); }, LvglPixelOfPalette),
      LvglVariant(
          "lvgl9_i8", F::I8, 1, 256, [](std::size_t w) { return w; }, LvglPixelOfPalette),
  };
}

std::uint8_t LvglFormatNumber(LvglFormat format) {
  constexpr std::uint8_t kNumbers[] = {0x12, 0x1B, 0x0F, 0x11, 0x10, 0x14,
                                       0x06, 0x0E, 0x07, 0x08, 0x09, 0x0A};
  return kNumbers[static_cast<std::size_t>(format)];
}

std::string Substitute(const std::string& text, const std::string& name) {
  std::string upper = name;
  for (char& c : upper)
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  std::string result;
  for (const char c : text)
    result += c == '$' ? name : c == '@' ? upper : std::string(1, c);
  return result;
}

class TargetCompileTest : public testing::TempFolderTest,
                          public ::testing::WithParamInterface<Variant> {};

TEST_P(TargetCompileTest, CompilesInTwoUnitsAndReadsBackThePixels) {
  const Variant& v = GetParam();
  const testing::CProgram program(folder_.string());
  program.Write("lvgl.h", kLvglStandIn);
  std::string includes = "#include <stdio.h>\n#include <stdint.h>\n";
  std::string calls;
  std::string bytes = "0";
  std::string expected;
  std::size_t expectedBytes = 0;
  std::vector<std::string> sourceFiles;
  for (const auto& [w, h] : kSizes) {
    const std::string name = "img_" + std::to_string(w) + "x" + std::to_string(h);
    const std::vector<std::uint32_t> palette = DistinctPalette(v.paletteSize);
    const TBitmap32 image =
        v.paletteSize ? PalettePicture(w, h, palette) : TranslucentPicture(w, h);
    const TargetResult result = EncodeTarget({image, palette, v.settings, name});
    ASSERT_EQ(result.error, "") << name;
    CodeFiles code;
    WriteCode(result.data, v.settings, "the test", name + ".h", code);
    program.Write(name + ".h", code.header);
    if (!code.source.empty()) {
      program.Write(name + ".c", code.source);
      sourceFiles.push_back(name + ".c");
    }
    includes += "#include \"" + name + ".h\"\n";
    calls += "  " + Substitute(v.call, name) + "\n";
    bytes += " + " + Substitute(v.bytes, name);

    expected += name + " " + std::to_string(w) + " " + std::to_string(h) + "\n";
    const auto width = static_cast<std::size_t>(w), height = static_cast<std::size_t>(h);
    if (v.stride) {
      expected += "magic 19 cf " + Hex(LvglFormatNumber(v.settings.colorFormat), 1) +
                  " flags 0 stride " + std::to_string(v.stride(width)) + " size " +
                  std::to_string(v.size(width, height)) + "\n";
    }
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x)
        expected += v.pixel(image.Pixel(x, y));
      expected += "\n";
    }
    expected += "pad 0\n";
    expectedBytes += v.size(width, height);
  }
  expected += "bytes " + std::to_string(expectedBytes) + "\n";

  program.Write("reader.c", includes + v.reader + "void show_all(void);\nvoid show_all(void) {\n" +
                                calls + "}\n");
  program.Write("main.c", includes + "void show_all(void);\nint main(void) {\n  show_all();\n" +
                              "  printf(\"bytes %lu\\n\", (unsigned long)(" + bytes +
                              "));\n  return 0;\n}\n");
  const std::string flags = "-DLV_LVGL_H_INCLUDE_SIMPLE";
  const std::vector<std::string> units{"reader.c", "main.c"};
  ASSERT_EQ(program.BuildC(units, sourceFiles, "c_program", flags), "");
  const testing::CommandResult c = program.Run("c_program");
  ASSERT_EQ(c.status, 0) << c.output;
  EXPECT_EQ(c.output, expected);

  ASSERT_EQ(program.BuildCxx(units, sourceFiles, "cxx_program", flags), "");
  const testing::CommandResult cxx = program.Run("cxx_program");
  ASSERT_EQ(cxx.status, 0) << cxx.output;
  EXPECT_EQ(cxx.output, expected);
}

INSTANTIATE_TEST_SUITE_P(EveryTarget, TargetCompileTest, ::testing::ValuesIn(Variants()),
                         [](const ::testing::TestParamInfo<Variant>& info) {
                           return std::string(info.param.label);
                         });

}  // namespace
}  // namespace pixmora

// The target layouts read back from bytes written by hand after the libraries' documented
// layouts, and the faults a decoder names.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "decode/CodeFacts.h"
#include "decode/DecodeOutputFile.h"
#include "decode/DecodeWritten.h"
#include "decode/PictureCompare.h"
#include "decode/TargetDecoder.h"

namespace pixmora {
namespace {

constexpr std::uint32_t B = 0xFF000000u;  // black
constexpr std::uint32_t W = 0xFFFFFFFFu;  // white

TargetLayout Layout(TargetKind kind, int width, int height) {
  return {.target = kind, .width = width, .height = height};
}

DecodeOutcome Bin(const TargetLayout& layout, std::vector<std::uint8_t> bytes) {
  return TargetDecoder(layout).DecodeBinary(bytes);
}

DecodeOutcome Text(const TargetLayout& layout, std::string_view text) {
  return DecodeOutputText("t.h", text, {ArraySyntax::CArray}, TargetDecoder(layout));
}

std::vector<std::uint32_t> Pixels(const DecodeOutcome& outcome) {
  EXPECT_TRUE(outcome.Ok()) << outcome.error;
  return outcome.picture.Pixels();
}

TEST(TargetDecoderTest, OneBitLayoutsPutTheLeftmostPixelWhereTheLibrariesReadIt) {
  // 3 x 2: rows of one byte. gfx-bitmap: leftmost in bit 7; xbm: in bit 0.
  EXPECT_EQ(Pixels(Bin(Layout(TargetKind::GfxBitmap, 3, 2), {0xA0, 0x40})),
            (std::vector<std::uint32_t>{B, W, B, W, B, W}));
  EXPECT_EQ(Pixels(Bin(Layout(TargetKind::Xbm, 3, 2), {0x05, 0x02})),
            (std::vector<std::uint32_t>{B, W, B, W, B, W}));
  // Pages: 2 x 9, pixel (x, y) in bit y % 8 of byte (y / 8) * w + x.
  TargetLayout pages = Layout(TargetKind::Pages, 2, 9);
  const auto shown = Pixels(Bin(pages, {0x01, 0x80, 0x01, 0x00}));
  EXPECT_EQ(shown[0], B);
  EXPECT_EQ(shown[15], B);  // (1, 7)
  EXPECT_EQ(shown[16], B);  // (0, 8)
  EXPECT_EQ(std::count(shown.begin(), shown.end(), B), 3);
  // With invert a set bit is a lit pixel.
  pages.invert = true;
  EXPECT_EQ(Pixels(Bin(pages, {0x01, 0x80, 0x01, 0x00}))[0], W);
}

TEST(TargetDecoderTest, ColorsAreWidenedAsTheDisplayShowsThem) {
  TargetLayout rgb565 = Layout(TargetKind::Rgb565, 2, 1);
  // Native values low byte first: red, then 5-6-5 0x8410 widened by bit replication.
  EXPECT_EQ(Pixels(Bin(rgb565, {0x00, 0xF8, 0x10, 0x84})),
            (std::vector<std::uint32_t>{0xFFFF0000u, 0xFF848284u}));
  rgb565.swapBytes = true;
  EXPECT_EQ(Pixels(Text(rgb565, "{ 0x00F8, 0x1F00 }")),
            (std::vector<std::uint32_t>{0xFFFF0000u, 0xFF0000FFu}));
  // rgb332 through TFT_eSPI's 5-6-5: red 101 -> 10110, green 011 -> 011011, blue 01 -> 11.
  EXPECT_EQ(Pixels(Bin(Layout(TargetKind::Rgb332, 2, 1), {0xAD, 0xFF})),
            (std::vector<std::uint32_t>{0xFFB56D5Au, 0xFFFFFFFFu}));
  // gray4: two pixels a byte, leftmost high; gray2: 3 -> 255, 1 -> 85.
  EXPECT_EQ(Pixels(Bin(Layout(TargetKind::Gray4, 3, 1), {0xF1, 0x80})),
            (std::vector<std::uint32_t>{0xFFFFFFFFu, 0xFF111111u, 0xFF888888u}));
  EXPECT_EQ(Pixels(Bin(Layout(TargetKind::Gray2, 2, 1), {0xD0})),
            (std::vector<std::uint32_t>{0xFFFFFFFFu, 0xFF555555u}));
}

TEST(TargetDecoderTest, MapsAndMasks) {
  // index4: the high nibble is the left pixel; the map holds 16 native 5-6-5 values.
  std::vector<std::uint8_t> index4{0x10};
  for (int k = 0; k < 16; ++k) {
    index4.push_back(k == 1 ? 0x1F : 0);
    index4.push_back(0);
  }
  EXPECT_EQ(Pixels(Bin(Layout(TargetKind::Index4, 2, 1), index4)),
            (std::vector<std::uint32_t>{0xFF0000FFu, 0xFF000000u}));
  // A clear mask bit leaves the pixel undrawn: its alpha is 0.
  TargetLayout gray = Layout(TargetKind::Gray8, 2, 1);
  gray.mask = true;
  EXPECT_EQ(Pixels(Text(gray, "{ 0x10, 0x20 }\n{ 0x40 }")),
            (std::vector<std::uint32_t>{0x00101010u, 0xFF202020u}));
}

TEST(TargetDecoderTest, LvglImagesTakeTheirHeader) {
  // ARGB8888 1 x 1 with a stride of 8: B, G, R, A, then four bytes of padding.
  const DecodeOutcome argb = Bin(Layout(TargetKind::Lvgl9, 0, 0),
                                 {0x19, 0x10, 0,    0,    1, 0, 1, 0, 8, 0, 0, 0,  // header
                                  0x30, 0x20, 0x10, 0x80, 0, 0, 0, 0});
  EXPECT_EQ(Pixels(argb), (std::vector<std::uint32_t>{0x80102030u}));
  // I1: the palette (B, G, R, A) of two entries, then rows of bits, leftmost in bit 7.
  TargetLayout i1 = Layout(TargetKind::Lvgl9, 3, 1);
  i1.colorFormat = LvglFormat::I1;
  EXPECT_EQ(Pixels(Text(i1, "{0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0xFF, 0x40}")),
            (std::vector<std::uint32_t>{0xFFFF0000u, 0xFF0000FFu, 0xFFFF0000u}));
  // RGB565A8: the 5-6-5 rows, then the alpha rows with half their stride.
  TargetLayout a8 = Layout(TargetKind::Lvgl9, 1, 2);
  a8.colorFormat = LvglFormat::RGB565A8;
  EXPECT_EQ(Pixels(Text(a8, "{0x00, 0xF8, 0x1F, 0x00, 0x40, 0xFF}")),
            (std::vector<std::uint32_t>{0x40FF0000u, 0xFF0000FFu}));
}

TEST(TargetDecoderTest, FaultsNameTheirPlace) {
  struct Case {
    TargetLayout layout;
    std::vector<std::uint8_t> bytes;
    std::string error;
  };
  TargetLayout masked = Layout(TargetKind::Rgb565, 1, 1);
  masked.mask = true;
  const std::vector<Case> cases{
      {Layout(TargetKind::GfxBitmap, 3, 1),
       {0xB0},
       "Cannot decode \"t.bin\": byte 0: row 0 has bits set after its last pixel, where the "
       "layout keeps 0"},
      {Layout(TargetKind::Pages, 1, 3),
       {0x08},
       "Cannot decode \"t.bin\": byte 0: the last page has bits set below the picture, where "
       "the layout keeps 0"},
      {masked,
       {0, 0},
       "Cannot decode \"t.bin\": byte 1: the file holds 2 bytes, but a 1 x 1 picture in rgb565 "
       "--mask takes 3 (the pixels and the mask)"},
      {Layout(TargetKind::Lvgl9, 0, 0),
       {0x20, 0x12, 0, 0, 1, 0, 1, 0, 2, 0, 0, 0, 0, 0},
       "Cannot decode \"t.bin\": byte 0: the LVGL image header starts with 0x20, not the magic "
       "0x19"},
      {Layout(TargetKind::Lvgl9, 0, 0),
       {0x19, 0x12, 0, 0, 2, 0, 1, 0, 2, 0, 0, 0, 0, 0},
       "Cannot decode \"t.bin\": byte 8: the stride 2 is less than the 4 bytes of a row"},
      {Layout(TargetKind::Gray8, 0, 0),
       {0},
       "Cannot decode \"t.bin\": the width and height of the picture are unknown: the file "
       "does not give them and none were given"},
  };
  for (const Case& c : cases) {
    const DecodeOutcome outcome = DecodeOutputBinary("t.bin", c.bytes, TargetDecoder(c.layout));
    EXPECT_EQ(outcome.error, c.error);
    EXPECT_TRUE(outcome.picture.Empty());
  }
  EXPECT_EQ(Text(Layout(TargetKind::Index8, 1, 1), "{ 0x00 }").error,
            "Cannot decode \"t.h\": the text holds 1 array, but index8 writes 2: the pixels and "
            "the color map");
  EXPECT_EQ(Text(Layout(TargetKind::Rgb332, 2, 1), "{ 0x00,\n  0x100 }").error,
            "Cannot decode \"t.h\": line 2, column 3: 0x0100 does not fit in a byte of the pixels");
}

TEST(CodeFactsTest, SizeMacrosAndTheLvglDescriptor) {
  const CodeFacts header = ReadCodeFacts(
      "#define LOGO_ATTRIBUTE\n#define LOGO_WIDTH 12\n#define LOGO_HEIGHT 7\n#define LOGO_PAGES "
      "1\n");
  EXPECT_EQ(header.width, 12);
  EXPECT_EQ(header.height, 7);
  const CodeFacts xbm = ReadCodeFacts("#define x_width 3\n#define x_height 2\n");
  EXPECT_EQ(xbm.width, 3);
  const CodeFacts lvgl = ReadCodeFacts(
      "const lv_image_dsc_t icon = {\n  .header.cf = LV_COLOR_FORMAT_RGB565A8,\n"
      "  .header.w = 5,\n  .header.h = 4,\n  .header.stride = 12,\n};\n");
  EXPECT_EQ(lvgl.colorFormat, LvglFormat::RGB565A8);
  EXPECT_EQ(lvgl.width, 5);
  EXPECT_EQ(lvgl.stride, 12);
  EXPECT_EQ(ReadCodeFacts("#define LOGO_WIDTH LOGO_HEIGHT\n").width, 0);
}

TEST(CodeFactsTest, TheArrayReaderSkipsDescriptorsAndExternBlocks) {
  const ArrayText read = ReadArrayText(
      "#ifdef __cplusplus\nextern \"C\" {\n#endif\nstatic const uint8_t m[] = { 0x01, 0x02 };\n"
      "const lv_image_dsc_t i = {\n  .header.w = 2,\n  .data = m,\n};\n#ifdef __cplusplus\n}\n"
      "#endif\n",
      {ArraySyntax::CArray});
  // The extern "C" block here holds the array; it is skipped whole, as a header's is.
  EXPECT_EQ(read.error, "");
  EXPECT_TRUE(read.arrays.empty());
  const ArrayText map = ReadArrayText(
      "static const uint8_t m[] = { 0x01, 0x02 };\nconst lv_image_dsc_t i = {\n  .header.w = "
      "2,\n};\n",
      {ArraySyntax::CArray});
  ASSERT_EQ(map.arrays.size(), 1u);
  EXPECT_EQ(map.arrays[0].values, (std::vector<std::uint16_t>{1, 2}));
}

TEST(PictureCompareTest, FirstDifferenceAndPsnr) {
  TBitmap32 a(2, 1);
  a.Pixels() = {0xFF102030u, 0xFF000000u};
  TBitmap32 b = a;
  EXPECT_EQ(FirstDifference(a, b), std::nullopt);
  EXPECT_TRUE(std::isinf(Psnr(a, b)));
  b.Pixels()[1] = 0x00000001u;
  EXPECT_EQ(FirstDifference(a, b), "pixel (1, 0) shows #000000, expected #000001 alpha 0");
  // Seen over black the transparent pixel is black, as the source's; then one channel of six
  // off by one: 10 log10(255^2 / (1 / 6)).
  EXPECT_TRUE(std::isinf(Psnr(b, a)));
  b.Pixels()[1] = 0xFF000001u;
  EXPECT_NEAR(Psnr(b, a), 10 * std::log10(255.0 * 255.0 * 6), 1e-9);
  EXPECT_EQ(FirstDifference(TBitmap32(1, 2), a), "the picture is 1 x 2, expected 2 x 1");
}

}  // namespace
}  // namespace pixmora

// The edge cases of the layouts: transparency, palettes, masks, dithering, names and the raw
// bytes of .bin files.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "targets/ArrayName.h"
#include "targets/RawBytes.h"
#include "targets/TargetData.h"

namespace pixmora {
namespace {

using ::testing::Each;
using ::testing::ElementsAre;

TargetSettings For(TargetKind kind, LvglFormat format = LvglFormat::RGB565) {
  TargetSettings s;
  s.target = kind;
  s.colorFormat = format;
  return s;
}

TargetResult Encode(const TBitmap32& image, const TargetSettings& s,
                    std::span<const std::uint32_t> palette = {}) {
  return EncodeTarget({image, palette, s, "img"});
}

TBitmap32 Filled(int width, int height, std::uint32_t argb) {
  TBitmap32 image(width, height);
  std::fill(image.Pixels().begin(), image.Pixels().end(), argb);
  return image;
}

TEST(EncodeTarget, AFullyTransparentPictureIsItsBackground) {
  // Transparent as a PNG decodes it: black pixels, coverage 0 in a plane.
  TBitmap32 clear = Filled(13, 3, 0xFF000000u);
  clear.SetCoverage(std::vector<std::uint8_t>(clear.PixelCount(), 0), 0x000000);
  using K = TargetKind;
  for (const K kind : {K::GfxBitmap, K::Xbm, K::Pages}) {
    const TargetResult r = Encode(clear, For(kind));
    EXPECT_THAT(r.data.arrays[0].bytes, Each(0)) << InfoOf(kind).name;  // white: no dark bit
  }
  TargetSettings inverted = For(K::GfxBitmap);
  inverted.invert = true;
  // Every lit pixel set; the three padding bits of each row stay 0.
  EXPECT_THAT(Encode(clear, inverted).data.arrays[0].bytes,
              ElementsAre(0xFF, 0xF8, 0xFF, 0xF8, 0xFF, 0xF8));
  TargetSettings masked = For(K::Rgb565);
  masked.mask = true;
  masked.background = 0xFF0000;
  const TargetResult rgb = Encode(clear, masked);
  EXPECT_THAT(rgb.data.arrays[0].words, Each(0xF800));
  EXPECT_THAT(rgb.data.arrays[1].bytes, Each(0));
  EXPECT_THAT(Encode(clear, For(K::Gray8)).data.arrays[0].bytes, Each(0xFF));
  EXPECT_THAT(Encode(clear, For(K::Gray2)).data.arrays[0].bytes,
              ElementsAre(0xFF, 0xFF, 0xFF, 0xC0, 0xFF, 0xFF, 0xFF, 0xC0, 0xFF, 0xFF, 0xFF, 0xC0));
  EXPECT_THAT(Encode(clear, For(K::Lvgl9, LvglFormat::ARGB8888)).data.arrays[0].bytes, Each(0));
  EXPECT_THAT(Encode(clear, For(K::Lvgl9, LvglFormat::A8)).data.arrays[0].bytes, Each(0));
}

TEST(EncodeTarget, OpaqueRowsAreOpaqueWhateverTheirAlphaBytesSay) {
  // A thresholded picture: alpha bytes 0, coverage in a plane.
  TBitmap32 image = Filled(2, 1, 0x00FFFFFFu);
  image.SetCoverage({0xFF, 0xFF}, std::nullopt);
  EXPECT_THAT(Encode(image, For(TargetKind::Lvgl9, LvglFormat::ARGB8888)).data.arrays[0].bytes,
              Each(0xFF));
  EXPECT_THAT(Encode(image, For(TargetKind::Lvgl9, LvglFormat::XRGB8888)).data.arrays[0].bytes,
              Each(0xFF));
}

TEST(EncodeTarget, TheMaskSetsTheBitsOfPixelsAtLeastHalfCovered) {
  TBitmap32 image(10, 1);
  image.Pixels() = {0xFF000000, 0x80000000, 0x7F000000, 0x00000000, 0xFF000000,
                    0x00000000, 0x00000000, 0x00000000, 0x01000000, 0xFE000000};
  TargetSettings s = For(TargetKind::Gray8);
  s.mask = true;
  EXPECT_THAT(Encode(image, s).data.arrays[1].bytes, ElementsAre(0xC8, 0x40));
}

TEST(EncodeTarget, IndexTargetsTakeThePaletteOrTheFewColorsThereAre) {
  TBitmap32 image(3, 1);
  image.Pixels() = {0xFF0000FF, 0xFFFF0000, 0xFF0000FF};
  // The palette holds both colors: its order stays, unused entries included.
  const std::vector<std::uint32_t> palette{0x00FF00, 0x0000FF, 0xFF0000};  // 0x00BBGGRR
  const TargetResult r = Encode(image, For(TargetKind::Index4), palette);
  ASSERT_EQ(r.error, "");
  EXPECT_THAT(r.data.arrays[0].bytes, ElementsAre(0x21, 0x20));
  EXPECT_THAT(std::vector<std::uint16_t>(r.data.arrays[1].words.begin(),
                                         r.data.arrays[1].words.begin() + 4),
              ElementsAre(0x07E0, 0xF800, 0x001F, 0));
  ASSERT_EQ(r.data.arrays[1].words.size(), 16u);

  // No palette: the colors in the order they first appear.
  EXPECT_THAT(Encode(image, For(TargetKind::Index4)).data.arrays[0].bytes, ElementsAre(0x01, 0x00));
  EXPECT_THAT(Encode(image, For(TargetKind::Lvgl9, LvglFormat::I1)).data.arrays[0].bytes,
              ElementsAre(0xFF, 0x00, 0x00, 0xFF, 0x00, 0x00, 0xFF, 0xFF, 0x40));
}

TEST(EncodeTarget, TooManyColorsNameTheFix) {
  TBitmap32 photo(20, 20);
  for (std::size_t i = 0; i < photo.PixelCount(); ++i)
    photo.Pixels()[i] = 0xFF000000u | static_cast<std::uint32_t>(i * 97);
  std::vector<std::uint32_t> palette(256);
  for (std::size_t i = 0; i < palette.size(); ++i)
    palette[i] = static_cast<std::uint32_t>(i);
  using F = LvglFormat;
  EXPECT_EQ(Encode(photo, For(TargetKind::Index4), palette).error,
            "index4 needs at most 16 colors; reduce colors first (--reduce 16)");
  EXPECT_EQ(Encode(photo, For(TargetKind::Index8), palette).error,
            "index8 needs at most 256 colors; reduce colors first (--reduce 256)");
  EXPECT_EQ(Encode(photo, For(TargetKind::Lvgl9, F::I8)).error,
            "lvgl9 --cf I8 needs at most 256 colors; reduce colors first (--reduce 256)");
  EXPECT_EQ(Encode(photo, For(TargetKind::Lvgl9, F::I4)).error,
            "lvgl9 --cf I4 needs at most 16 colors; reduce colors first (--reduce 16)");
  EXPECT_EQ(Encode(photo, For(TargetKind::Lvgl9, F::I2)).error,
            "lvgl9 --cf I2 needs at most 4 colors; reduce colors first (--reduce 4)");
  EXPECT_EQ(Encode(photo, For(TargetKind::Lvgl9, F::I1)).error,
            "lvgl9 --cf I1 needs at most 2 colors; reduce colors first (--threshold N)");
}

TEST(EncodeTarget, DitheringIsTheSameEveryRunAndChangesTheData) {
  TBitmap32 ramp(64, 8);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 64; ++x)
      ramp.SetPixel(x, y, MakePixel(static_cast<std::uint8_t>(x * 4), 100, 200));
  }
  for (const Dither dither : {Dither::Ordered, Dither::FloydSteinberg}) {
    for (const TargetKind kind : {TargetKind::GfxBitmap, TargetKind::Rgb565, TargetKind::Gray2}) {
      TargetSettings s = For(kind);
      s.dither = dither;
      const TargetData first = Encode(ramp, s).data;
      const TargetData second = Encode(ramp, s).data;
      EXPECT_EQ(RawBytes(first), RawBytes(second));
      EXPECT_NE(RawBytes(first), RawBytes(Encode(ramp, For(kind)).data));
    }
  }
}

TEST(EncodeTarget, AnLvglRowWiderThanTheHeaderHoldsIsRefused) {
  const TBitmap32 wide = Filled(16384, 1, 0xFF000000u);
  EXPECT_EQ(Encode(wide, For(TargetKind::Lvgl9, LvglFormat::ARGB8888)).error,
            "lvgl9 --cf ARGB8888: a row of 65536 bytes is more than the 65535 the image header "
            "holds");
  EXPECT_EQ(Encode(wide, For(TargetKind::Lvgl9, LvglFormat::RGB888)).error, "");
}

TEST(EncodeTarget, AMaskBesideSwappedBytesIsRefused) {
  // Only a settings file gets there: the options are refused on the command line.
  TargetSettings s = For(TargetKind::Rgb565);
  s.mask = true;
  s.swapBytes = true;
  EXPECT_EQ(Encode(Filled(2, 2, 0xFFFFFFFFu), s).error,
            "rgb565: the masked draw call (drawRGBBitmap) reads native values; leave out the mask "
            "or the swapped bytes");
}

TEST(RawBytes, SixteenBitValuesAreLittleEndianOrHighByteFirstWhenSwapped) {
  const TBitmap32 red = Filled(2, 1, 0xFFFF0000u);
  TargetSettings s = For(TargetKind::Rgb565);
  EXPECT_EQ(RawBytes(Encode(red, s).data), std::string("\x00\xF8\x00\xF8", 4));
  s.swapBytes = true;
  EXPECT_THAT(Encode(red, s).data.arrays[0].words, Each(0x00F8));
  EXPECT_EQ(RawBytes(Encode(red, s).data), std::string("\xF8\x00\xF8\x00", 4));
  s.swapBytes = false;
  s.mask = true;
  EXPECT_EQ(RawBytes(Encode(red, s).data), std::string("\x00\xF8\x00\xF8\xC0", 5));

  // lvgl9: the image header first (magic, cf, flags, w, h, stride, reserved), then the map.
  const TargetData lvgl = Encode(red, For(TargetKind::Lvgl9, LvglFormat::RGB565_SWAPPED)).data;
  EXPECT_EQ(RawBytes(lvgl),
            std::string("\x19\x1B\x00\x00\x02\x00\x01\x00\x04\x00\x00\x00\xF8\x00\xF8\x00", 16));
  EXPECT_EQ(RawSize(lvgl), 16u);
}

TEST(ArrayName, NamesAreIdentifiersButNoKeywords) {
  EXPECT_EQ(ArrayName("8x8-logo"), "_8x8_logo");
  EXPECT_EQ(ArrayName("logo small"), "logo_small");
  EXPECT_EQ(ArrayName("int"), "int_");
  EXPECT_EQ(ArrayName("class"), "class_");
  EXPECT_EQ(ArrayName("integer"), "integer");
  const TargetData data =
      EncodeTarget({Filled(1, 1, 0xFF000000u), {}, For(TargetKind::Pages), ArrayName("8x8-logo")})
          .data;
  EXPECT_EQ(data.macroName, "_8X8_LOGO");
  EXPECT_EQ(data.macros[0].first, "_8X8_LOGO_WIDTH");
}

}  // namespace
}  // namespace pixmora

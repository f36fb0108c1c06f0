// Each pixel's place in an output: hand-made layouts, then random pictures of every classic
// encoding and option and of every target, where the values at the place must be the bytes a
// .bin holds there and the values the text's array holds, and the pixel's field must be what the
// display shows.
#include "decode/PixelPlaces.h"

#include <gtest/gtest.h>

#include "decode/ArrayText.h"
#include "decode/ClassicCase.h"
#include "decode/DecodeRun.h"
#include "decode/ShownColors.h"
#include "decode/TargetPainting.h"
#include "targets/RawBytes.h"

namespace pixmora {
namespace {

std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (const int v : values)
    bytes += static_cast<char>(v);
  return bytes;
}

// --- Hand-made layouts ---------------------------------------------------------------------

TEST(PixelPlacesTest, Color565BytesAfterTheImageInformation) {
  // 2 x 1, red then blue: width, height, mode word 0x0001 (5-6-5, not compressed), the data.
  const PixelPlaces places = PixelPlaces::Classic(Bytes({0, 2, 0, 1, 0, 1, 0xF8, 0x00, 0x00, 0x1F}),
                                                  {.includeInfo = true});
  ASSERT_EQ(places.Width(), 2);
  ASSERT_EQ(places.Height(), 1);
  const auto blue = places.At(1, 0);
  ASSERT_TRUE(blue);
  EXPECT_EQ(blue->values, (std::vector<std::uint32_t>{0x00, 0x1F}));
  EXPECT_FALSE(blue->words);
  EXPECT_EQ(blue->field, 0x001Fu);
  EXPECT_EQ(blue->fieldBits, 16);
  EXPECT_EQ(blue->offset, 8u);
  EXPECT_EQ(blue->text.array, 0u);
  EXPECT_EQ(blue->text.index, 8u);
  EXPECT_EQ(blue->highBit, -1);
  EXPECT_FALSE(blue->inRun);
  EXPECT_EQ(DescribePlace(*blue), "0x00 0x1F = 0x001F at offset 8");
  EXPECT_FALSE(places.At(2, 0));
  EXPECT_FALSE(places.At(0, 1));
  EXPECT_FALSE(places.At(-1, 0));
}

TEST(PixelPlacesTest, WordsWithTheLeastSignificantByteFirst) {
  // 1 x 2 of 3-3-2 in one word: with LSB first the first pixel is the low byte.
  const ClassicLayout layout{
      .word = true, .lsbFirst = true, .colorModeWord = 0x0005, .width = 1, .height = 2};
  const PixelPlaces places = PixelPlaces::Classic(Bytes({0x1C, 0xE0}), layout);
  const auto top = places.At(0, 0);
  const auto bottom = places.At(0, 1);
  ASSERT_TRUE(top && bottom);
  EXPECT_EQ(top->values, std::vector<std::uint32_t>{0x1CE0});
  EXPECT_TRUE(top->words);
  EXPECT_EQ(top->field, 0xE0u);
  EXPECT_EQ(top->lowBit, 0);
  EXPECT_EQ(top->highBit, 7);
  EXPECT_EQ(bottom->field, 0x1Cu);
  EXPECT_EQ(bottom->lowBit, 8);
  EXPECT_EQ(bottom->highBit, 15);
  EXPECT_EQ(bottom->offset, 0u);
  EXPECT_EQ(DescribePlace(*bottom), "bits 15-8 of 0x1CE0 = 0x1C at offset 0");
}

TEST(PixelPlacesTest, PaletteIndicesAfterTheColorTable) {
  // Three colors, two pixels a byte (the table of 3 words first), a 3 x 1 picture.
  const ClassicLayout layout{
      .colorModeWord = 0x0009, .width = 3, .height = 1, .binaryTableColors = 3};
  const PixelPlaces places =
      PixelPlaces::Classic(Bytes({0xF8, 0, 0x07, 0xE0, 0, 0x1F, 0x21, 0x00}), layout);
  const auto second = places.At(1, 0);
  const auto third = places.At(2, 0);
  ASSERT_TRUE(second && third);
  EXPECT_EQ(second->field, 1u);
  EXPECT_EQ(second->fieldBits, 4);
  EXPECT_EQ(second->lowBit, 0);
  EXPECT_EQ(second->highBit, 3);
  EXPECT_EQ(second->offset, 6u);
  // The table is the text's first array, the data its second.
  EXPECT_EQ(second->text.array, 1u);
  EXPECT_EQ(second->text.index, 0u);
  EXPECT_EQ(third->offset, 7u);
  EXPECT_EQ(third->lowBit, 4);
  EXPECT_EQ(DescribePlace(*second), "bits 3-0 of 0x21 = 0x1 at offset 6 (element 0)");
}

TEST(PixelPlacesTest, MonochromeRowsAndPages) {
  // Horizontal: 10 pixels, the last group of 2 in the top bits, the first pixel lowest.
  const PixelPlaces rows = PixelPlaces::Classic(
      Bytes({0x01, 0x80}), {.colorModeWord = 0x0011, .width = 10, .height = 1});
  EXPECT_EQ(rows.At(0, 0)->lowBit, 0);
  EXPECT_EQ(rows.At(0, 0)->field, 1u);
  EXPECT_EQ(rows.At(7, 0)->lowBit, 7);
  EXPECT_EQ(rows.At(8, 0)->lowBit, 6);
  EXPECT_EQ(rows.At(9, 0)->lowBit, 7);
  EXPECT_EQ(rows.At(9, 0)->field, 1u);
  EXPECT_EQ(DescribePlace(*rows.At(9, 0)), "bit 7 of 0x80 = 0x1 at offset 1");
  // Vertical: 2 x 10, page 0 rows 0-7, page 1 the last 2 rows in the top bits.
  const PixelPlaces pages = PixelPlaces::Classic(
      Bytes({0, 0, 0x40, 0}), {.colorModeWord = 0x000F, .width = 2, .height = 10});
  EXPECT_EQ(pages.At(1, 3)->offset, 1u);
  EXPECT_EQ(pages.At(1, 3)->lowBit, 3);
  EXPECT_EQ(pages.At(0, 8)->offset, 2u);
  EXPECT_EQ(pages.At(0, 8)->lowBit, 6);
  EXPECT_EQ(pages.At(0, 8)->field, 1u);
}

TEST(PixelPlacesTest, Color444TakesNibblesOfTwoBytes) {
  // 2 x 1: 0xF00 and 0x0F0 in three bytes F0 00 F0.
  const PixelPlaces places = PixelPlaces::Classic(
      Bytes({0xF0, 0x00, 0xF0}), {.colorModeWord = 0x0003, .width = 2, .height = 1});
  EXPECT_EQ(places.At(0, 0)->field, 0xF00u);
  EXPECT_EQ(places.At(0, 0)->values, (std::vector<std::uint32_t>{0xF0, 0x00}));
  EXPECT_EQ(places.At(1, 0)->field, 0x0F0u);
  EXPECT_EQ(places.At(1, 0)->offset, 1u);
  EXPECT_EQ(places.At(1, 0)->fieldBits, 12);
}

TEST(PixelPlacesTest, CompressedDataNamesTheRunThatHoldsThePixel) {
  // 3-3-2, 7 x 1: a run of 5 of 0xE0 (E0 E0 03), then 1C, 1C as a run of 2 (1C 1C 00).
  const PixelPlaces places =
      PixelPlaces::Classic(Bytes({0xE0, 0xE0, 0x03, 0x1C, 0x1C, 0x00}),
                           {.colorModeWord = 0x0004, .width = 7, .height = 1});
  const auto fourth = places.At(3, 0);
  ASSERT_TRUE(fourth);
  EXPECT_TRUE(fourth->inRun);
  EXPECT_EQ(fourth->values, std::vector<std::uint32_t>{0xE0});
  EXPECT_EQ(fourth->offset, 0u);
  EXPECT_EQ(places.At(6, 0)->offset, 3u);
  EXPECT_EQ(places.At(6, 0)->field, 0x1Cu);
  EXPECT_EQ(DescribePlace(*places.At(6, 0)), "0x1C in the run at offset 3");
}

TEST(PixelPlacesTest, ManyRunsAreFoundThroughTheirIndex) {
  // 3-3-2, 1000 x 1 in runs of 3: 0, 1, 2, ... each as v v 1.
  std::string bytes;
  for (int run = 0; run < 334; ++run) {
    const char v = static_cast<char>(run & 0xFF);
    bytes += {v, v, 1};
  }
  const PixelPlaces places =
      PixelPlaces::Classic(bytes, {.colorModeWord = 0x0004, .width = 1000, .height = 1});
  for (const int x : {0, 2, 3, 767, 768, 999}) {
    const auto place = places.At(x, 0);
    ASSERT_TRUE(place) << x;
    EXPECT_EQ(place->offset, 3u * static_cast<unsigned>(x / 3)) << x;
    EXPECT_EQ(place->field, static_cast<unsigned>((x / 3) & 0xFF)) << x;
  }
}

TEST(PixelPlacesTest, DataThatEndsEarlyHasNoPlaces) {
  const PixelPlaces places =
      PixelPlaces::Classic(Bytes({0xF8}), {.colorModeWord = 0x0001, .width = 1, .height = 1});
  EXPECT_FALSE(places.At(0, 0));
  EXPECT_FALSE(PixelPlaces::Classic(Bytes({0, 1}), {.includeInfo = true}).At(0, 0));
  EXPECT_FALSE(PixelPlaces().At(0, 0));
}

TEST(PixelPlacesTest, TargetsCountFromTheirFirstArray) {
  // rgb565, 2 x 1, swapped: uint16_t values stored low byte first.
  const TargetLayout rgb{.target = TargetKind::Rgb565, .swapBytes = true, .width = 2, .height = 1};
  const auto blue = PixelPlaces::Target(Bytes({0x00, 0xF8, 0x1F, 0x00}), rgb).At(1, 0);
  ASSERT_TRUE(blue);
  EXPECT_TRUE(blue->words);
  EXPECT_EQ(blue->values, std::vector<std::uint32_t>{0x001F});
  EXPECT_EQ(blue->field, 0x1F00u);
  EXPECT_EQ(blue->offset, 2u);
  EXPECT_EQ(blue->text.index, 1u);
  EXPECT_EQ(DescribePlace(*blue), "0x001F = 0x1F00 at offset 2 (element 1)");
  // xbm: the leftmost pixel in bit 0; gfx-bitmap: in bit 7.
  const TargetLayout xbm{.target = TargetKind::Xbm, .width = 9, .height = 2};
  EXPECT_EQ(PixelPlaces::Target(std::string(4, '\0'), xbm).At(8, 1)->offset, 3u);
  EXPECT_EQ(PixelPlaces::Target(std::string(4, '\0'), xbm).At(8, 1)->lowBit, 0);
  TargetLayout gfx = xbm;
  gfx.target = TargetKind::GfxBitmap;
  EXPECT_EQ(PixelPlaces::Target(std::string(4, '\0'), gfx).At(1, 0)->lowBit, 6);
  // pages: a byte per column of 8 rows.
  const TargetLayout pages{.target = TargetKind::Pages, .width = 3, .height = 9};
  EXPECT_EQ(PixelPlaces::Target(std::string(6, '\0'), pages).At(2, 8)->offset, 5u);
  EXPECT_EQ(PixelPlaces::Target(std::string(6, '\0'), pages).At(2, 8)->lowBit, 0);
}

TEST(PixelPlacesTest, LvglCountsItsHeaderAndPalette) {
  // I1, 3 x 2, stride 1: the header, a palette of 2 x 4 bytes, one byte a row.
  std::string bytes = Bytes({0x19, 0x07, 0, 0, 3, 0, 2, 0, 1, 0, 0, 0});
  bytes += std::string(8, '\0');
  bytes += Bytes({0x00, 0x20});
  const auto place =
      PixelPlaces::Target(bytes, {.target = TargetKind::Lvgl9, .colorFormat = LvglFormat::I1})
          .At(2, 1);
  ASSERT_TRUE(place);
  EXPECT_EQ(place->offset, 21u);
  EXPECT_EQ(place->text.index, 9u);
  EXPECT_EQ(place->lowBit, 5);
  EXPECT_EQ(place->field, 1u);
  // RGB888: three bytes, blue first.
  std::string rgb = Bytes({0x19, 0x0F, 0, 0, 1, 0, 1, 0, 3, 0, 0, 0, 0x33, 0x22, 0x11});
  const auto color =
      PixelPlaces::Target(rgb, {.target = TargetKind::Lvgl9, .colorFormat = LvglFormat::RGB888})
          .At(0, 0);
  ASSERT_TRUE(color);
  EXPECT_EQ(color->values, (std::vector<std::uint32_t>{0x33, 0x22, 0x11}));
  EXPECT_EQ(color->field, 0x112233u);
  EXPECT_EQ(DescribePlace(*color), "0x33 0x22 0x11 = 0x112233 at offset 12 (element 0)");
}

// --- Random pictures --------------------------------------------------------------------------

// The values of the output at a place: bytes, or words high byte first (the classic .bin) or
// low byte first (a target's).
std::vector<std::uint32_t> ValuesAt(const std::string& bytes, std::uint64_t offset,
                                    std::size_t count, bool words, bool lowFirst) {
  std::vector<std::uint32_t> values;
  for (std::size_t k = 0; k < count; ++k) {
    const std::uint64_t at = offset + k * (words ? 2 : 1);
    if (at + (words ? 2 : 1) > bytes.size())
      return values;
    const auto b = [&](std::uint64_t i) { return std::uint32_t{std::uint8_t(bytes[i])}; };
    values.push_back(!words ? b(at) : lowFirst ? b(at) | b(at + 1) << 8 : b(at) << 8 | b(at + 1));
  }
  return values;
}

std::uint32_t ShownByClassicField(const ClassicCase& c, std::uint32_t field,
                                  const std::vector<std::uint32_t>& palette) {
  switch (c.family) {
    case Family::Color565:
      return Shown565(field);
    case Family::Color444:
      return Shown444(field >> 8, (field >> 4) & 15, field & 15);
    case Family::Color332:
      return Shown332(field);
    case Family::MonochromeVertical:
    case Family::MonochromeHorizontal:
      return field != 0 ? kShownSetBit : kShownClearBit;
    case Family::Palette:
      break;
  }
  const std::uint32_t entry = field < palette.size() ? palette[field] : 0;
  return Expected565(entry & 0xFF, (entry >> 8) & 0xFF, (entry >> 16) & 0xFF);
}

TEST(PixelPlacesTest, EveryPixelOfRandomClassicOutputs) {
  int pixels = 0;
  std::uint32_t seed = 70000;
  for (int n = 0; n < 400; ++n) {
    ClassicCase c;
    c.seed = seed++;
    CaseRandom random(c.seed);
    c.family = static_cast<Family>(random.Below(6));
    if (c.family == Family::Palette) {
      const int counts[] = {2, 3, 4, 9, 16, 40, 256};
      c.paletteColors = counts[random.Below(7)];
      c.packed = random.Chance(75);
      c.tableWord = random.Chance(50);
      c.tableInMainFile = random.Chance(50);
    }
    c.word = random.Chance(50);
    c.lsbFirst = random.Chance(50);
    c.compression = random.Chance(50);
    c.includeInfo = random.Chance(50);
    c.width = 1 + random.Below(random.Chance(20) ? 3 : 30);
    c.height = 1 + random.Below(random.Chance(20) ? 3 : 20);
    if (random.Chance(10))
      c.repeatPercent = 100;
    SCOPED_TRACE(c.Describe());
    const ClassicRun run(c, Option::CArray);
    ASSERT_TRUE(run.completed);
    const ClassicRunBytes bytes = BytesOfClassicRun(run.Source());
    const PixelPlaces places = PixelPlaces::Classic(bytes.main, LayoutOfExport(run.Source()));
    const ArrayText text = ReadArrayText(run.MainFile(ExportKind::Text), {ArraySyntax::CArray});
    ASSERT_TRUE(text.error.empty()) << text.error;
    ASSERT_EQ(places.Width(), c.width);
    ASSERT_EQ(places.Height(), c.height);
    for (int y = 0; y < c.height; ++y) {
      for (int x = 0; x < c.width; ++x) {
        const auto place = places.At(x, y);
        ASSERT_TRUE(place) << x << ", " << y;
        EXPECT_EQ(place->inRun, c.compression);
        EXPECT_EQ(place->words, c.word);
        // The first value is there in the file and in the text; uncompressed, all of them.
        const std::size_t count = c.compression ? 1 : place->values.size();
        const std::vector<std::uint32_t> first(place->values.begin(),
                                               place->values.begin() + count);
        EXPECT_EQ(ValuesAt(bytes.main, place->offset, count, c.word, false), first);
        ASSERT_LT(place->text.array, text.arrays.size());
        const std::vector<std::uint16_t>& array = text.arrays[place->text.array].values;
        ASSERT_LT(place->text.index, array.size());
        EXPECT_EQ(array[place->text.index], place->values[0]);
        EXPECT_EQ(ShownByClassicField(c, place->field, run.palette), run.expected.Pixel(x, y))
            << x << ", " << y;
        if (HasFailure())
          return;
        ++pixels;
      }
    }
  }
  EXPECT_GT(pixels, 40000);
}

// What a target's field shows, as the decoder paints it; the map and LVGL's palette from the
// bytes.
std::optional<std::uint32_t> ShownByTargetField(const TargetSettings& s, const PixelPlace& place,
                                                const TargetData& data, const std::string& raw) {
  const std::uint32_t f = place.field;
  switch (s.target) {
    case TargetKind::GfxBitmap:
    case TargetKind::Xbm:
    case TargetKind::Pages:
      return (f != 0) != s.invert ? kShownSetBit : kShownClearBit;
    case TargetKind::Rgb565:
      return Shown565(f);
    case TargetKind::Rgb332:
      return Shown565(Widen332To565(f));
    case TargetKind::Gray8:
      return ShownGray(f, 8);
    case TargetKind::Gray4:
      return ShownGray(f, 4);
    case TargetKind::Gray2:
      return ShownGray(f, 2);
    case TargetKind::Index4:
    case TargetKind::Index8:
      return Shown565(data.arrays.at(1).words.at(f));
    case TargetKind::Lvgl9:
      break;
    case TargetKind::Classic:
      return std::nullopt;
  }
  const auto byte = [&raw](std::size_t i) { return std::uint8_t(raw.at(i)); };
  switch (s.colorFormat) {
    case LvglFormat::RGB565:
    case LvglFormat::RGB565_SWAPPED:
    case LvglFormat::RGB565A8:
      return Shown565(f);
    case LvglFormat::RGB888:
    case LvglFormat::XRGB8888:
      return MakePixel(f >> 16 & 0xFF, f >> 8 & 0xFF, f & 0xFF);
    case LvglFormat::ARGB8888:
      return f;
    case LvglFormat::L8:
      return ShownGray(f, 8);
    case LvglFormat::A8:
      return MakePixel(0, 0, 0, static_cast<std::uint8_t>(f));
    default: {
      const std::size_t entry = 12 + 4 * std::size_t{f};
      return MakePixel(byte(entry + 2), byte(entry + 1), byte(entry), byte(entry + 3));
    }
  }
}

TEST(PixelPlacesTest, EveryPixelOfRandomTargetOutputs) {
  std::vector<TargetSettings> targets;
  for (const TargetInfo& info : kTargets) {
    if (info.kind == TargetKind::Lvgl9) {
      for (const LvglFormatInfo& format : kLvglFormats)
        targets.push_back({.target = info.kind, .colorFormat = format.format});
    } else if (info.kind != TargetKind::Classic) {
      targets.push_back({.target = info.kind});
    }
  }
  int pixels = 0;
  std::uint32_t seed = 90000;
  for (int n = 0; n < 12; ++n) {
    for (TargetSettings s : targets) {
      CaseRandom random(seed++);
      const TargetTraits traits = TraitsOf(s.target, s.colorFormat);
      s.swapBytes = traits.swappable && random.Chance(50);
      s.mask = traits.maskable && !s.swapBytes && random.Chance(50);
      s.invert = traits.oneBit && random.Chance(50);
      s.align = s.target == TargetKind::Lvgl9 ? 1 << random.Below(4) : 1;
      TBitmap32 picture(1 + random.Below(25), 1 + random.Below(19));
      const int colors = traits.indexBits > 0 ? 1 << traits.indexBits : 0;
      for (std::uint32_t& pixel : picture.Pixels()) {
        const int k = colors > 0 ? random.Below(std::min(colors, 12)) : random.Below(1 << 24);
        pixel = MakePixel(static_cast<std::uint8_t>(k * 37), static_cast<std::uint8_t>(k >> 8),
                          static_cast<std::uint8_t>(k >> 16), random.Byte());
      }
      SCOPED_TRACE(TargetLabel(s.target, s.colorFormat) + " seed " + std::to_string(seed - 1));
      const TargetResult result = EncodeTarget({picture, {}, s, "t"});
      ASSERT_TRUE(result.error.empty()) << result.error;
      const DecodeOutcome shown = DecodeTargetRun(result.data, s);
      ASSERT_TRUE(shown.Ok()) << shown.error;
      const std::string raw = RawBytes(result.data);
      const PixelPlaces places =
          PixelPlaces::Target(raw, TargetLayoutOf(s, result.data.width, result.data.height));
      for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
          const auto place = places.At(x, y);
          ASSERT_TRUE(place) << x << ", " << y;
          EXPECT_EQ(ValuesAt(raw, place->offset, place->values.size(), place->words, true),
                    place->values);
          const TargetArray& array = result.data.arrays.at(place->text.array);
          EXPECT_EQ(
              place->words ? array.words.at(place->text.index) : array.bytes.at(place->text.index),
              place->values[0]);
          const std::uint32_t pixel = shown.picture.Pixel(x, y);
          // A mask and RGB565A8's alpha plane lie elsewhere: the colors are compared.
          const std::uint32_t rgbOnly =
              s.mask || s.colorFormat == LvglFormat::RGB565A8 || s.target != TargetKind::Lvgl9
                  ? 0x00FFFFFFu
                  : 0xFFFFFFFFu;
          const auto expected = ShownByTargetField(s, *place, result.data, raw);
          ASSERT_TRUE(expected);
          EXPECT_EQ(*expected & rgbOnly, pixel & rgbOnly) << x << ", " << y;
          if (HasFailure())
            return;
          ++pixels;
        }
      }
    }
  }
  EXPECT_GT(pixels, 20000);
}

}  // namespace
}  // namespace pixmora

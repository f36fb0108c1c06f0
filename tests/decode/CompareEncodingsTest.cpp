#include "decode/CompareEncodings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "decode/DecodeRun.h"
#include "decode/ExpectedPictures.h"
#include "decode/PictureCompare.h"
#include "targets/TargetData.h"

namespace pixmora {
namespace {

TBitmap32 Gradient(int width, int height) {
  TBitmap32 picture(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      picture.SetPixel(x, y, MakePixel(x * 255 / width, y * 255 / height, (x * y) & 0xFF));
  }
  return picture;
}

const CompareRow* Find(const std::vector<CompareRow>& rows, const std::string& label) {
  const auto row =
      std::find_if(rows.begin(), rows.end(), [&](const CompareRow& r) { return r.label == label; });
  return row == rows.end() ? nullptr : &*row;
}

TEST(CompareEncodingsTest, EveryEncodingMeasuredAndSortedBySize) {
  const TBitmap32 picture = Gradient(33, 17);
  const std::vector<CompareRow> rows = CompareEncodings(picture, Preferences{});
  // 9 classic encodings twice, 10 targets and the 11 LVGL formats that hold colors.
  EXPECT_EQ(rows.size(), 9u * 2 + 10 + 11);
  EXPECT_TRUE(std::is_sorted(
      rows.begin(), rows.end(),
      [](const CompareRow& a, const CompareRow& b) { return a.TotalBytes() < b.TotalBytes(); }));
  EXPECT_EQ(Find(rows, "lvgl9 --cf A8"), nullptr);

  // 5-6-5 data: 2 bytes a pixel and the 6 of the image information; a 16-color palette, two
  // pixels a byte, with its table of 16 words.
  const CompareRow* color = Find(rows, "65536 colors (5-6-5)");
  ASSERT_NE(color, nullptr);
  EXPECT_EQ(color->dataBytes, 2u * 33 * 17 + 6);
  EXPECT_EQ(color->options, "--colors 65536");
  const CompareRow* palette = Find(rows, "palette of 16 colors, compressed");
  ASSERT_NE(palette, nullptr);
  EXPECT_EQ(palette->tableBytes, 32u);
  EXPECT_EQ(palette->reduceTo, 16);
  EXPECT_EQ(palette->options, "--reduce 16 --pixels-per-byte auto --compress");
  EXPECT_EQ(palette->psnr, Find(rows, "palette of 16 colors")->psnr);
  // The conversions share engines: a table stays with the palette rows.
  for (const CompareRow& row : rows) {
    if (row.mode != ImageMode::Palette && row.target.target == TargetKind::Classic) {
      EXPECT_EQ(row.tableBytes, 0u) << row.label;
    }
  }

  // The same quantization gives the same PSNR, whatever the layout; full color is exact.
  EXPECT_EQ(Find(rows, "rgb565")->psnr, color->psnr);
  EXPECT_EQ(Find(rows, "lvgl9 --cf RGB565_SWAPPED")->psnr, color->psnr);
  EXPECT_TRUE(std::isinf(Find(rows, "lvgl9 --cf RGB888")->psnr));
  EXPECT_LT(Find(rows, "gray2")->psnr, Find(rows, "gray8")->psnr);
  const CompareRow* i4 = Find(rows, "lvgl9 --cf I4");
  EXPECT_EQ(i4->tableBytes, 64u);
  EXPECT_EQ(i4->dataBytes, 12u + 17 * 17);
  EXPECT_EQ(i4->options, "--reduce 16 --target lvgl9 --cf I4");
  EXPECT_EQ(Find(rows, "index8")->tableBytes, 512u);
}

TEST(CompareEncodingsTest, ATargetRunDecodesToItsExpectedPicture) {
  const TBitmap32 picture = Gradient(9, 5);
  const TargetSettings settings{.target = TargetKind::Gray4, .dither = Dither::Ordered};
  const TargetResult result = EncodeTarget({picture, {}, settings, "g"});
  const DecodeOutcome shown = DecodeTargetRun(result.data, settings);
  ASSERT_TRUE(shown.Ok()) << shown.error;
  EXPECT_EQ(shown.picture, ExpectedTargetPicture(picture, settings));
}

TEST(CompareEncodingsTest, CellsAsTheTableShowsThem) {
  CompareRow row{.label = "rgb565", .options = "--target rgb565", .dataBytes = 1024};
  row.psnr = 42.661;
  EXPECT_EQ(CompareCells(row), (std::array<std::string, 6>{"1024", "1024", "0", "42.66 dB",
                                                           "rgb565", "--target rgb565"}));
  row.psnr = std::numeric_limits<double>::infinity();
  row.tableBytes = 32;
  EXPECT_EQ(CompareCells(row)[0], "1056");
  EXPECT_EQ(CompareCells(row)[3], "exact");
  EXPECT_EQ(std::string(kCompareColumns[3]), "PSNR");
}

TEST(CompareEncodingsTest, TheTargetRowsTakeTheTargetChoicesGiven) {
  const TBitmap32 picture = Gradient(21, 9);
  const TargetSettings choices{
      .target = TargetKind::Xbm, .dither = Dither::Ordered, .code = CodeStyle::C};
  const std::vector<CompareRow> rows = CompareEncodings(picture, Preferences{}, choices);
  const CompareRow* gray = Find(rows, "gray4");
  ASSERT_NE(gray, nullptr);
  EXPECT_EQ(gray->options, "--target gray4 --dither ordered --code c");
  EXPECT_EQ(gray->target.dither, Dither::Ordered);
  // Measured with the dithering: as the target run with those choices shows it.
  const TargetResult result = EncodeTarget({picture, {}, gray->target, "g"});
  EXPECT_EQ(gray->psnr, Psnr(DecodeTargetRun(result.data, gray->target).picture, picture));
  EXPECT_NE(gray->psnr, Find(CompareEncodings(picture, Preferences{}), "gray4")->psnr);
  // The classic rows do not read them.
  EXPECT_EQ(Find(rows, "65536 colors (5-6-5)")->options, "--colors 65536");
  // Only the choices a target reads: LVGL writes a .c and .h pair anyway and dithers no index.
  EXPECT_EQ(Find(rows, "lvgl9 --cf RGB565")->options,
            "--target lvgl9 --cf RGB565 --dither ordered");
  EXPECT_EQ(Find(rows, "lvgl9 --cf I4")->options, "--reduce 16 --target lvgl9 --cf I4");
}

TEST(CompareEncodingsTest, ChoosingARowSetsItsSettings) {
  const std::vector<CompareRow> rows = CompareEncodings(Gradient(12, 10), Preferences{});
  Preferences preferences;
  preferences.Set(Option::Word, true);
  TargetSettings target{.target = TargetKind::Rgb565, .swapBytes = true};
  ApplyCompareRow(*Find(rows, "palette of 16 colors, compressed"), preferences, target);
  EXPECT_EQ(target.target, TargetKind::Classic);
  EXPECT_TRUE(target.swapBytes);  // kept for when a target is chosen again
  EXPECT_TRUE(preferences.Is(Option::Palette1To8Pixel));
  EXPECT_TRUE(preferences.Is(Option::Compression));
  EXPECT_TRUE(preferences.Is(Option::Word));  // the other classic choices stay

  ApplyCompareRow(*Find(rows, "monochrome, horizontal orientation"), preferences, target);
  EXPECT_TRUE(preferences.Is(Option::MonochromeHorizontal));
  EXPECT_FALSE(preferences.Is(Option::Compression));
  EXPECT_TRUE(preferences.Is(Option::Palette1To8Pixel));

  const Preferences classic = preferences;
  ApplyCompareRow(*Find(rows, "lvgl9 --cf RGB565A8"), preferences, target);
  EXPECT_EQ(target.target, TargetKind::Lvgl9);
  EXPECT_EQ(target.colorFormat, LvglFormat::RGB565A8);
  EXPECT_TRUE(target.swapBytes);
  EXPECT_EQ(preferences, classic);
}

}  // namespace
}  // namespace pixmora

#include "decode/CompareEncodings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "decode/DecodeRun.h"
#include "decode/ExpectedPictures.h"
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

}  // namespace
}  // namespace pixmora

#include "conversion/PaletteEncoder.h"

#include <gtest/gtest.h>

#include "conversion/RecordingProgressSink.h"
#include "platform/RecordingMessageBox.h"

namespace pixmora {
namespace {

using Bytes = std::vector<std::int32_t>;

// Table entries are 0x00BBGGRR.
constexpr std::uint32_t kRedEntry = 0x0000FF;
constexpr std::uint32_t kGreenEntry = 0x00FF00;
constexpr std::uint32_t kBlueEntry = 0xFF0000;

TEST(EncodePaletteIndices, TheLowestOfRepeatedEntriesWinsAndAlphaIsIgnored) {
  TBitmap32 image(3, 1);
  image.Pixels() = {MakePixel(0, 0, 255), MakePixel(255, 0, 0, 0x00), MakePixel(0, 255, 0)};
  const std::vector<std::uint32_t> table = {kGreenEntry, kBlueEntry, kRedEntry, kBlueEntry};
  RecordingProgressSink sink;
  Progress progress(sink);
  RecordingMessageBox messages;
  WorkingData data;
  ASSERT_TRUE(EncodePaletteIndices(image, 3, 1, table, data, progress, messages));
  EXPECT_EQ(data, (Bytes{1, 2, 0}));
  EXPECT_TRUE(messages.shown.empty());
  // One pump per comparison of the linear search: 2 + 3 + 1, at the current pixel.
  EXPECT_EQ(sink.phases[0].caption, "Convert image to palette mode...");
  EXPECT_EQ(sink.phases[0].maximum, 2);
  EXPECT_EQ(sink.phases[0].positions, (std::vector<std::int64_t>{0, 0, 1, 1, 1, 2}));
}

TEST(EncodePaletteIndices, AColorMissingFromTheTableIsAnError) {
  TBitmap32 image(2, 1);
  image.Pixels() = {MakePixel(255, 0, 0), MakePixel(1, 2, 3)};
  const std::vector<std::uint32_t> table = {kRedEntry, kGreenEntry};
  NullProgressSink sink;
  Progress progress(sink);
  RecordingMessageBox messages;
  WorkingData data;
  EXPECT_FALSE(EncodePaletteIndices(image, 2, 1, table, data, progress, messages));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Can't find a pixel palette entry");
  EXPECT_EQ(messages.shown[0].title, "Palette Error");
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Error);
  EXPECT_EQ(messages.shown[0].buttons, MessageButtons::OK);
}

TEST(EncodePaletteIndices, FindsEveryEntryOfAFullTable) {
  TBitmap32 image(256, 1);
  std::vector<std::uint32_t> table(256);
  for (std::uint32_t k = 0; k < 256; ++k) {
    table[k] = k * 0x010101u ^ 0x00A050u;  // 0x00BBGGRR
    image.Pixels()[255 - k] = MakePixel(table[k] & 0xFF, (table[k] >> 8) & 0xFF, table[k] >> 16);
  }
  NullProgressSink sink;
  Progress progress(sink);
  RecordingMessageBox messages;
  WorkingData data;
  ASSERT_TRUE(EncodePaletteIndices(image, 256, 1, table, data, progress, messages));
  for (int x = 0; x < 256; ++x)
    EXPECT_EQ(data[x], 255 - x);
}

TEST(PackPalette, PutsTheEarlierPixelHigh) {
  WorkingData data = {1, 2, 3, 0, 1};
  PackPalette4(data);
  EXPECT_EQ(data, (Bytes{0x6C, 0x40}));

  data = {0xA, 0x5, 0xF};
  PackPalette2(data);
  EXPECT_EQ(data, (Bytes{0xA5, 0xF0}));

  data = {1, 0, 1, 1, 0, 0, 0, 1, 1, 1};
  PackPalette8(data);
  EXPECT_EQ(data, (Bytes{0xB1, 0xC0}));
}

TEST(PackPalette, TakesOnlyTheLowBitsOfAnIndex) {
  WorkingData data = {0x1F, 0x23};
  PackPalette2(data);
  EXPECT_EQ(data, (Bytes{0xF3}));
}

TEST(ConvertColorTable, WritesEachEntryAsTwo565Bytes) {
  const std::vector<std::uint32_t> table = {kRedEntry, 0x563412};
  RecordingProgressSink sink;
  Progress progress(sink);
  WorkingData bytes;
  ASSERT_TRUE(ConvertColorTable(table, bytes, progress));
  EXPECT_EQ(bytes, (Bytes{0xF8, 0x00, 0x11, 0xAA}));
  EXPECT_EQ(sink.phases[0].caption, "Convert color table to 65536 colors...");
  EXPECT_EQ(sink.phases[0].maximum, 2);
  EXPECT_EQ(sink.phases[0].positions, (std::vector<std::int64_t>{0, 1}));
}

}  // namespace
}  // namespace pixmora

#include "conversion/ColorEncoders.h"

#include <gtest/gtest.h>

#include "conversion/RecordingProgressSink.h"

namespace pixmora {
namespace {

using Bytes = std::vector<std::int32_t>;

TBitmap32 Row(std::initializer_list<std::uint32_t> pixels) {
  TBitmap32 image(static_cast<int>(pixels.size()), 1);
  std::copy(pixels.begin(), pixels.end(), image.Pixels().begin());
  return image;
}

struct EncoderCase {
  std::uint32_t pixel;
  Bytes encoded332;
  Bytes encoded565;
  Bytes encoded444;
};

class ColorEncoderTable : public ::testing::TestWithParam<EncoderCase> {};

TEST_P(ColorEncoderTable, TruncatesEachChannel) {
  const TBitmap32 image = Row({GetParam().pixel});
  NullProgressSink sink;
  Progress progress(sink);
  WorkingData data;
  ASSERT_TRUE(Encode332(image, 1, 1, data, progress));
  EXPECT_EQ(data, GetParam().encoded332);
  ASSERT_TRUE(Encode565(image, 1, 1, data, progress));
  EXPECT_EQ(data, GetParam().encoded565);
  ASSERT_TRUE(Encode444(image, 1, 1, data, progress));
  EXPECT_EQ(data, GetParam().encoded444);
}

INSTANTIATE_TEST_SUITE_P(
    Pixels, ColorEncoderTable,
    ::testing::Values(EncoderCase{MakePixel(0xFF, 0x80, 0x40), {0xF1}, {0xFC, 0x08}, {0xF8, 0x4F}},
                      EncoderCase{MakePixel(0x12, 0x34, 0x56), {0x05}, {0x11, 0xAA}, {0x13, 0x5F}},
                      EncoderCase{MakePixel(0xFF, 0xFF, 0xFF), {0xFF}, {0xFF, 0xFF}, {0xFF, 0xFF}},
                      EncoderCase{MakePixel(0x00, 0x00, 0x00), {0x00}, {0x00, 0x00}, {0x00, 0x0F}},
                      // Alpha plays no part.
                      EncoderCase{
                          MakePixel(0xFF, 0x80, 0x40, 0x30), {0xF1}, {0xFC, 0x08}, {0xF8, 0x4F}}));

TEST(Encode444, TwoPixelsNeedNoFillNibble) {
  const TBitmap32 image = Row({MakePixel(0xFF, 0x80, 0x40), MakePixel(0x12, 0x34, 0x56)});
  NullProgressSink sink;
  Progress progress(sink);
  WorkingData data;
  ASSERT_TRUE(Encode444(image, 2, 1, data, progress));
  EXPECT_EQ(data, (Bytes{0xF8, 0x41, 0x35}));
}

TEST(Encode444, ReportsBothPassesUnderOneCaption) {
  const TBitmap32 image = Row({0, 0, 0});
  RecordingProgressSink sink;
  Progress progress(sink);
  WorkingData data;
  ASSERT_TRUE(Encode444(image, 3, 1, data, progress));
  ASSERT_EQ(sink.phases.size(), 2u);
  EXPECT_EQ(sink.phases[0].caption, "Convert image to 4096 colors...");
  EXPECT_EQ(sink.phases[0].maximum, 2);  // pixel count - 1
  EXPECT_EQ(sink.phases[0].positions, (std::vector<std::int64_t>{0, 1, 2}));
  EXPECT_EQ(sink.phases[1].caption, "Convert image to 4096 colors...");
  EXPECT_EQ(sink.phases[1].maximum, 4);  // 9 nibbles give 5 bytes
  EXPECT_EQ(sink.phases[1].positions.size(), 5u);
  EXPECT_EQ(sink.position, 0);  // the bar goes back to 0 at the end
}

TEST(Encode565, CancelStopsAtTheUnitItIsSeen) {
  TBitmap32 image(10, 1);
  RecordingProgressSink sink;
  sink.CancelAt("Convert image to 65536 colors...", 3);
  Progress progress(sink);
  WorkingData data;
  EXPECT_FALSE(Encode565(image, 10, 1, data, progress));
  EXPECT_EQ(sink.pumps, 4u);
  EXPECT_EQ(sink.position, 0);
}

}  // namespace
}  // namespace pixmora

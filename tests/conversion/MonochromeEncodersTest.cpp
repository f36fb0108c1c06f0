#include "conversion/MonochromeEncoders.h"

#include <gtest/gtest.h>

#include <string_view>

#include "conversion/RecordingProgressSink.h"

namespace pixmora {
namespace {

using Bytes = std::vector<std::int32_t>;

constexpr std::uint32_t kBlack = MakePixel(0, 0, 0);
constexpr std::uint32_t kWhite = MakePixel(0xFF, 0xFF, 0xFF);

// `pixels` in pixel order, 'B' for black and anything else for white.
TBitmap32 Picture(int width, int height, std::string_view pixels) {
  TBitmap32 image(width, height);
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    image.Pixels()[i] = pixels[i] == 'B' ? kBlack : kWhite;
  }
  return image;
}

using Encoder = bool (*)(const TBitmap32&, std::uint16_t, std::uint16_t, WorkingData&, Progress&);

Bytes Encode(Encoder encoder, const TBitmap32& image) {
  NullProgressSink sink;
  Progress progress(sink);
  WorkingData data;
  EXPECT_TRUE(encoder(image, image.Width(), image.Height(), data, progress));
  return data;
}

Bytes Vertical(const TBitmap32& image) {
  return Encode(EncodeMonochromeVertical, image);
}
Bytes Horizontal(const TBitmap32& image) {
  return Encode(EncodeMonochromeHorizontal, image);
}

TEST(EncodeMonochromeVertical, PacksPagesOfEightRows) {
  EXPECT_EQ(Vertical(Picture(1, 8, "BwwwwwwB")), (Bytes{0x81}));
  EXPECT_EQ(Vertical(Picture(2, 3,
                             "Bw"
                             "ww"
                             "Bw")),
            (Bytes{0xA0, 0x00}));
  EXPECT_EQ(Vertical(Picture(2, 10, std::string(20, 'B'))), (Bytes{0xFF, 0xFF, 0xC0, 0xC0}));
}

TEST(EncodeMonochromeVertical, PartialPageColumnsDoNotShareBits) {
  // Column 0 is black in its top row only, column 1 in its bottom row only.
  EXPECT_EQ(Vertical(Picture(2, 3,
                             "Bw"
                             "ww"
                             "wB")),
            (Bytes{0x20, 0x80}));
}

TEST(EncodeMonochromeHorizontal, PacksThePixelStreamAcrossRows) {
  EXPECT_EQ(Horizontal(Picture(8, 1, "Bwwwwwww")), (Bytes{0x01}));
  EXPECT_EQ(Horizontal(Picture(3, 1, "BwB")), (Bytes{0xA0}));
  EXPECT_EQ(Horizontal(Picture(10, 2,
                               "BwwBwwBwwB"
                               "wwBwwBwwBw")),
            (Bytes{0x49, 0x92, 0x40}));
}

TEST(MonochromeEncoders, OnlyPureBlackIsSetWhateverTheAlpha) {
  TBitmap32 image(2, 1);
  image.Pixels() = {MakePixel(0, 0, 0, 0x00), MakePixel(1, 0, 0)};
  EXPECT_EQ(Horizontal(image), (Bytes{0x40}));
}

TEST(EncodeMonochromeVertical, PumpsBeforeEveryColumnAtThePageIndex) {
  const TBitmap32 image = Picture(3, 10, std::string(30, 'w'));
  RecordingProgressSink sink;
  Progress progress(sink);
  WorkingData data;
  ASSERT_TRUE(EncodeMonochromeVertical(image, 3, 10, data, progress));
  ASSERT_EQ(sink.phases.size(), 1u);
  EXPECT_EQ(sink.phases[0].caption, "Convert image to monochrome...");
  EXPECT_EQ(sink.phases[0].maximum, 2);
  EXPECT_EQ(sink.phases[0].positions, (std::vector<std::int64_t>{0, 0, 0, 1, 1, 1}));
}

TEST(EncodeMonochromeHorizontal, PumpsBeforeEveryPixelAtTheByteIndex) {
  const TBitmap32 image = Picture(10, 1, std::string(10, 'w'));
  RecordingProgressSink sink;
  Progress progress(sink);
  WorkingData data;
  ASSERT_TRUE(EncodeMonochromeHorizontal(image, 10, 1, data, progress));
  EXPECT_EQ(sink.phases[0].maximum, 2);
  EXPECT_EQ(sink.phases[0].positions, (std::vector<std::int64_t>{0, 0, 0, 0, 0, 0, 0, 0, 1, 1}));
}

}  // namespace
}  // namespace pixmora

#include "conversion/RowEncoder.h"

#include <gtest/gtest.h>

#include <vector>

#include "conversion/ColorEncoders.h"
#include "conversion/MonochromeEncoders.h"
#include "conversion/PaletteEncoder.h"
#include "platform/RecordingMessageBox.h"

namespace pixmora {
namespace {

constexpr std::uint32_t kTable[] = {0x000000, 0x0000FF, 0x00FF00, 0xFF0000,
                                    0xFFFFFF, 0x808080, 0x123456, 0xABCDEF};

// An odd width and height: every band but some leaves half a byte, a bit group or an index
// group to the next, and the last page of eight rows is partial.
TBitmap32 Picture(int width, int height, int colors) {
  TBitmap32 image(width, height);
  std::uint32_t seed = 3;
  for (std::uint32_t& p : image.Pixels()) {
    seed = seed * 1664525u + 1013904223u;
    const std::uint32_t color = kTable[(seed >> 24) % static_cast<unsigned>(colors)];
    // Table colors are 0x00BBGGRR; pixels 0xAARRGGBB.
    p = 0xFF000000u | (color & 0xFF) << 16 | (color & 0xFF00) | (color >> 16 & 0xFF);
  }
  return image;
}

std::vector<std::int32_t> Streamed(const EncodingPlan& plan, const TBitmap32& image,
                                   std::span<const std::uint32_t> table, int bandRows) {
  RowEncoder encoder(plan, table, std::nullopt);
  std::vector<std::uint8_t> bytes(RowEncoder::MaxBytes(image.PixelCount()));
  std::uint8_t* out = bytes.data();
  for (int top = 0; top < image.Height(); top += bandRows) {
    const int rows = std::min(bandRows, image.Height() - top);
    EXPECT_TRUE(encoder.Encode(image.Row(top), image.Width(), rows, out));
  }
  encoder.Finish(out);
  return {bytes.data(), out};
}

struct Layout {
  PixelEncoding encoding;
  int indexBits;
  int colors;
};

TEST(RowEncoderTest, BandsOfAnySizeGiveTheWholePictureEncodersBytes) {
  const Layout layouts[] = {
      {PixelEncoding::Color332, 8, 8},
      {PixelEncoding::Color444, 8, 8},
      {PixelEncoding::Color565, 8, 8},
      {PixelEncoding::MonochromeVertical, 8, 2},
      {PixelEncoding::MonochromeHorizontal, 8, 2},
      {PixelEncoding::PaletteIndices, 8, 8},
      {PixelEncoding::PaletteIndices, 4, 8},
      {PixelEncoding::PaletteIndices, 2, 4},
      {PixelEncoding::PaletteIndices, 1, 2},
  };
  const std::uint16_t w = 13;
  const std::uint16_t h = 21;
  for (const Layout& layout : layouts) {
    const TBitmap32 picture = Picture(w, h, layout.colors);
    const std::span<const std::uint32_t> table(kTable, static_cast<std::size_t>(layout.colors));
    NullProgressSink sink;
    Progress progress(sink);
    RecordingMessageBox messages;
    WorkingData whole;
    switch (layout.encoding) {
      case PixelEncoding::Color332:
        Encode332(picture, w, h, whole, progress);
        break;
      case PixelEncoding::Color444:
        Encode444(picture, w, h, whole, progress);
        break;
      case PixelEncoding::Color565:
        Encode565(picture, w, h, whole, progress);
        break;
      case PixelEncoding::MonochromeVertical:
        EncodeMonochromeVertical(picture, w, h, whole, progress);
        break;
      case PixelEncoding::MonochromeHorizontal:
        EncodeMonochromeHorizontal(picture, w, h, whole, progress);
        break;
      case PixelEncoding::PaletteIndices:
        EncodePaletteIndices(picture, w, h, table, whole, progress, messages);
        if (layout.indexBits == 4)
          PackPalette2(whole);
        if (layout.indexBits == 2)
          PackPalette4(whole);
        if (layout.indexBits == 1)
          PackPalette8(whole);
        break;
    }
    EncodingPlan plan;
    plan.encoding = layout.encoding;
    plan.indexBits = layout.indexBits;
    EXPECT_EQ(EncodedByteCount(plan, w, h), whole.size());
    const int step = plan.encoding == PixelEncoding::MonochromeVertical ? 8 : 1;
    for (const int band : {step, 3 * step, 16, int{h}}) {
      if (band % step == 0) {
        EXPECT_EQ(Streamed(plan, picture, table, band), whole)
            << static_cast<int>(layout.encoding) << " bits " << layout.indexBits << " band "
            << band;
      }
    }
  }
}

TEST(RowEncoderTest, AThresholdIsAppliedWithoutACopy) {
  // Black below or at the position, as ApplyThreshold leaves it; alpha plays no part.
  TBitmap32 image(3, 1);
  image.Pixels() = {0x00000080u, 0xFF800000u, 0x00000081u};  // 0x800000, 0x000080, 0x810000
  EncodingPlan plan;
  plan.encoding = PixelEncoding::MonochromeHorizontal;
  RowEncoder encoder(plan, {}, 0x800000);
  std::uint8_t bytes[2] = {};
  std::uint8_t* out = bytes;
  ASSERT_TRUE(encoder.Encode(image.Row(0), 3, 1, out));
  encoder.Finish(out);
  ASSERT_EQ(out - bytes, 1);
  EXPECT_EQ(bytes[0], 0b01100000);  // first pixel in bit 5, second in bit 6, third white
}

TEST(RowEncoderTest, APixelMissingFromTheTableStopsTheBand) {
  const TBitmap32 image = Picture(4, 2, 8);
  EncodingPlan plan;
  plan.encoding = PixelEncoding::PaletteIndices;
  RowEncoder encoder(plan, std::span(kTable, 4), std::nullopt);
  std::vector<std::uint8_t> bytes(RowEncoder::MaxBytes(8));
  std::uint8_t* out = bytes.data();
  EXPECT_FALSE(encoder.Encode(image.Row(0), 4, 2, out));
}

}  // namespace
}  // namespace pixmora

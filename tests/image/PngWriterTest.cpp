#include "image/PngWriter.h"

#include <gtest/gtest.h>

#include "image/codecs/PngDecoder.h"

namespace pixmora {
namespace {

DecodeResult ReadBack(const PngFile& png) {
  EXPECT_EQ(png.error, "");
  return DecodePng({reinterpret_cast<const std::uint8_t*>(png.bytes.data()), png.bytes.size()});
}

TEST(PngWriterTest, OpaquePicturesAreRgbAndTransparentOnesKeepTheirAlpha) {
  TBitmap32 picture(3, 2);
  picture.Pixels() = {0xFF102030u, 0xFFFFFFFFu, 0xFF000000u, 0xFF800000u, 0xFF008000u, 0xFF000080u};
  const DecodeResult opaque = ReadBack(EncodePng(picture));
  ASSERT_TRUE(opaque.ok) << opaque.error;
  EXPECT_EQ(opaque.picture.width, 3);
  EXPECT_EQ(opaque.picture.pixels, picture.Pixels());
  EXPECT_TRUE(opaque.picture.coverage.empty());

  picture.Pixels()[1] = 0x40FFFFFFu;
  const DecodeResult clear = ReadBack(EncodePng(picture));
  ASSERT_TRUE(clear.ok) << clear.error;
  // Read back as the program reads a PNG: over black, the coverage beside it.
  ASSERT_EQ(clear.picture.coverage.size(), 6u);
  EXPECT_EQ(clear.picture.coverage[1], 0x40);
  EXPECT_EQ(clear.picture.coverage[0], 0xFF);
  EXPECT_EQ(EncodePng(TBitmap32()).error, "the picture is empty");
}

TEST(PngWriterTest, NearestNeighbourRepeatsEveryPixel) {
  TBitmap32 picture(2, 1);
  picture.Pixels() = {1, 2};
  const TBitmap32 scaled = ScaleNearest(picture, 3);
  ASSERT_EQ(scaled.Width(), 6);
  ASSERT_EQ(scaled.Height(), 3);
  EXPECT_EQ(scaled.Pixel(2, 2), 1u);
  EXPECT_EQ(scaled.Pixel(3, 0), 2u);
}

}  // namespace
}  // namespace pixmora

#include "image/codecs/JpegDecoder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/image/CutFiles.h"
#include "tests/image/TestImages.h"

namespace pixmora {
namespace {

using testing::Bytes;
using ::testing::HasSubstr;
using testing::JpegSpec;

// A 16 x 16 picture of four flat quarters: JPEG keeps flat areas within a step or two.
JpegSpec Quarters() {
  JpegSpec layout{.width = 16, .height = 16};
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      layout.pixels.push_back(y < 8 ? (x < 8 ? 0xC03020u : 0x20C040u)
                                    : (x < 8 ? 0x2040C0u : 0xF0F0F0u));
    }
  }
  return layout;
}

void ExpectNear(std::uint32_t actual, std::uint32_t expected) {
  EXPECT_EQ(actual >> 24, 0xFFu);
  for (int shift = 0; shift <= 16; shift += 8) {
    const int a = static_cast<int>((actual >> shift) & 0xFF);
    const int e = static_cast<int>((expected >> shift) & 0xFF);
    EXPECT_LE(std::abs(a - e), 4) << std::hex << actual << " vs " << expected;
  }
}

TEST(JpegDecoder, ColorGrayAndProgressivePicturesHaveNoPalette) {
  for (bool progressive : {false, true}) {
    SCOPED_TRACE(progressive);
    JpegSpec layout = Quarters();
    layout.progressive = progressive;
    const DecodeResult result = DecodeJpeg(testing::MakeJpeg(layout));
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.picture.width, 16);
    EXPECT_EQ(result.picture.height, 16);
    EXPECT_FALSE(result.picture.hasPalette);
    EXPECT_FALSE(result.picture.keepsAlpha);
    ExpectNear(result.picture.pixels[3 * 16 + 3], 0xC03020);
    ExpectNear(result.picture.pixels[3 * 16 + 12], 0x20C040);
    ExpectNear(result.picture.pixels[12 * 16 + 3], 0x2040C0);
    ExpectNear(result.picture.pixels[12 * 16 + 12], 0xF0F0F0);
  }
  JpegSpec gray = Quarters();
  gray.grayscale = true;
  const DecodeResult result = DecodeJpeg(testing::MakeJpeg(gray));
  ASSERT_TRUE(result.ok) << result.error;
  ExpectNear(result.picture.pixels[3 * 16 + 12], 0xC0C0C0);  // the green component
  EXPECT_FALSE(result.picture.hasPalette);
}

TEST(JpegDecoder, CmykPicturesAreTakenAsAdobeWritesThem) {
  // Adobe stores the light left rather than the ink: full C and Y, no M, K at half.
  JpegSpec layout{
      .width = 8, .height = 8, .pixels = std::vector<std::uint32_t>(64, 0xFF00FF80u), .cmyk = true};
  const DecodeResult result = DecodeJpeg(testing::MakeJpeg(layout));
  ASSERT_TRUE(result.ok) << result.error;
  ExpectNear(result.picture.pixels[0], 0x800080);
}

TEST(JpegDecoder, RefusesOtherFilesAndOversizeHeaders) {
  EXPECT_THAT(DecodeJpeg({}).error, HasSubstr("empty"));
  EXPECT_THAT(DecodeJpeg(testing::MakeBmp24(1, 1, {0})).error, HasSubstr("not a JPEG file"));

  const Bytes file = testing::MakeJpeg(Quarters());
  std::size_t frame = 2;
  while (frame + 1 < file.size() && !(file[frame] == 0xFF && file[frame + 1] == 0xC0))
    ++frame;
  ASSERT_LT(frame + 9, file.size());
  auto withSize = [&](std::uint16_t width, std::uint16_t height) {
    Bytes patched = file;
    patched[frame + 5] = static_cast<std::uint8_t>(height >> 8);
    patched[frame + 6] = static_cast<std::uint8_t>(height);
    patched[frame + 7] = static_cast<std::uint8_t>(width >> 8);
    patched[frame + 8] = static_cast<std::uint8_t>(width);
    return patched;
  };
  EXPECT_THAT(DecodeJpeg(withSize(30000, 30000)).error, HasSubstr("too large"));
  EXPECT_FALSE(DecodeJpeg(withSize(65535, 65535)).ok);
  // Within the limits, but a few hundred bytes of Huffman data cannot cover 10000 x 10000.
  EXPECT_THAT(DecodeJpeg(withSize(10000, 10000)).error, HasSubstr("too small"));
  EXPECT_THAT(DecodeJpeg(withSize(64, 64)).error, HasSubstr("damaged"));
}

TEST(JpegDecoder, EveryTruncationFailsInsteadOfShowingGray) {
  const Bytes file = testing::MakeJpeg(Quarters());
  // libjpeg reads ahead into the end marker, so even a file without it counts as cut.
  testing::ExpectCutsFail(DecodeJpeg, file, file.size());
}

}  // namespace
}  // namespace pixmora

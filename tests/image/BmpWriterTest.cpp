#include "image/BmpWriter.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "image/codecs/BmpDecoder.h"
#include "platform/AtomicFile.h"
#include "tests/image/TempFolderTest.h"

namespace pixmora {
namespace {

TEST(BmpWriterTest, WritesHeadersAndBottomUpRowsAsBlueGreenRedAlpha) {
  TBitmap32 image(2, 2);
  image.SetPixel(0, 0, 0x11223344);  // top row
  image.SetPixel(1, 0, 0x55667788);
  image.SetPixel(0, 1, 0x99AABBCC);  // bottom row
  image.SetPixel(1, 1, 0x00DDEEFF);

  // clang-format off
  const std::vector<std::uint8_t> expected = {
      'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,  // "BM", file size 54 + 16, pixel offset
      40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0,             // header size, width, height
      1, 0, 32, 0, 0, 0, 0, 0, 16, 0, 0, 0,            // planes, bits, BI_RGB, image size
      0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // resolutions, colors used, important
      0xCC, 0xBB, 0xAA, 0x99, 0xFF, 0xEE, 0xDD, 0x00,  // bottom row first
      0x44, 0x33, 0x22, 0x11, 0x88, 0x77, 0x66, 0x55};
  // clang-format on
  EXPECT_EQ(EncodeBmp32(image), expected);
}

TEST(BmpWriterTest, OddWidthRowsNeedNoPadding) {
  TBitmap32 image(3, 1);
  const std::vector<std::uint8_t> bytes = EncodeBmp32(image);
  EXPECT_EQ(bytes.size(), 54u + 12u);
  EXPECT_EQ(bytes[2], 66);
  EXPECT_EQ(bytes[34], 12);  // image size field
}

TEST(BmpWriterTest, ReadsBackThroughTheBmpDecoderWithItsAlpha) {
  TBitmap32 image(3, 2);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) {
      image.SetPixel(x, y, MakePixel(x * 80, y * 200, 7, static_cast<std::uint8_t>(x * 100)));
    }
  }
  const DecodeResult decoded = DecodeBmp(EncodeBmp32(image));
  ASSERT_TRUE(decoded.ok) << decoded.error;
  EXPECT_EQ(decoded.picture.width, 3);
  EXPECT_EQ(decoded.picture.height, 2);
  EXPECT_TRUE(decoded.picture.keepsAlpha);
  EXPECT_FALSE(decoded.picture.hasPalette);
  EXPECT_EQ(decoded.picture.pixels, image.Pixels());
}

using BmpFileTest = testing::TempFolderTest;

TEST_F(BmpFileTest, WritesTheEncodedBytes) {
  TBitmap32 image(5, 3);
  image.SetPixel(4, 2, MakePixel(1, 2, 3));
  const std::string path = PathOf("saved.bmp");
  ASSERT_EQ(WriteBmp32(image, path), "");
  std::string bytes;
  ASSERT_EQ(ReadWholeFile(path, bytes), "");
  const std::vector<std::uint8_t> expected = EncodeBmp32(image);
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), expected);
}

TEST_F(BmpFileTest, UnwritableFileNamesTheFileAndTheReason) {
  const std::string path = PathOf("missing/saved.bmp");
  EXPECT_EQ(WriteBmp32(TBitmap32(1, 1), path),
            "Cannot create file \"" + path + "\". No such file or directory");
  EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace pixmora

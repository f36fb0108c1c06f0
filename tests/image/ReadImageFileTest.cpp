#include "image/ReadImageFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "image/FileSizeText.h"
#include "tests/image/TempFolderTest.h"
#include "tests/image/TestImages.h"

namespace pixmora {
namespace {

using ::testing::ElementsAre;
using namespace pixmora::testing;

using ReadImageFileTest = TempFolderTest;

std::vector<std::uint32_t> Ramp(int count) {
  std::vector<std::uint32_t> palette;
  for (int i = 0; i < count; ++i)
    palette.push_back(0x010203u * static_cast<std::uint32_t>(i));
  return palette;
}

TEST_F(ReadImageFileTest, IndexedBmpGivesItsColorTableAsBlueGreenRed) {
  std::vector<std::uint32_t> palette = Ramp(256);
  palette[1] = 0x123456;  // red 0x12, green 0x34, blue 0x56
  const ImageFileRead eight =
      ReadImageFile(Write("eight.bmp", MakeIndexedBmp(8, 2, 1, palette, {1, 0})));
  ASSERT_TRUE(eight.ok) << eight.error;
  EXPECT_TRUE(eight.hasPalette);
  EXPECT_EQ(eight.paletteColorCount, 256);
  ASSERT_EQ(eight.paletteEntries.size(), 256u);
  EXPECT_EQ(eight.paletteEntries[1], 0x563412u);
  EXPECT_EQ(eight.staging.width, 2);
  EXPECT_FALSE(eight.isAnimated);
  EXPECT_EQ(eight.frameCount, 0);

  const ImageFileRead four =
      ReadImageFile(Write("four.bmp", MakeIndexedBmp(4, 2, 1, Ramp(16), {1, 0})));
  ASSERT_TRUE(four.ok) << four.error;
  EXPECT_EQ(four.paletteColorCount, 16);
}

TEST_F(ReadImageFileTest, FileWithoutPaletteLeavesTheColorTable) {
  const ImageFileRead read =
      ReadImageFile(Write("true.bmp", MakeBmp24(2, 1, {0xFF0000, 0x00FF00})));
  ASSERT_TRUE(read.ok) << read.error;
  EXPECT_FALSE(read.hasPalette);
  EXPECT_EQ(read.paletteColorCount, 0);
  std::vector<std::uint32_t> table = {7, 8, 9};
  read.FillColorTable(table);
  EXPECT_THAT(table, ElementsAre(7, 8, 9));

  const ImageFileRead indexed =
      ReadImageFile(Write("two.bmp", MakeIndexedBmp(1, 1, 1, {0x000000, 0xFFFFFF}, {1})));
  ASSERT_TRUE(indexed.ok) << indexed.error;
  indexed.FillColorTable(table);
  EXPECT_THAT(table, ElementsAre(0x000000, 0xFFFFFF));
}

TEST_F(ReadImageFileTest, TheUpperCasedExtensionChoosesTheDecoder) {
  const Bytes png = MakeRgbPng(2, 1, {0xFF102030, 0xFF405060}, false);
  const ImageFileRead mixedCase = ReadImageFile(Write("logo.Png", png));
  ASSERT_TRUE(mixedCase.ok) << mixedCase.error;
  EXPECT_THAT(mixedCase.staging.pixels, ElementsAre(0xFF102030, 0xFF405060));

  // The content is not sniffed: a PNG carrying .bmp goes to the BMP decoder and fails there.
  const std::string misnamed = Write("logo.bmp", png);
  const ImageFileRead failed = ReadImageFile(misnamed);
  EXPECT_FALSE(failed.ok);
  EXPECT_EQ(failed.error, "Cannot read \"" + misnamed + "\": not a BMP file");

  const Bytes bmp = MakeBmp24(1, 1, {0x00FF00});
  EXPECT_TRUE(ReadImageFile(Write("noextension", bmp)).ok);
  EXPECT_TRUE(ReadImageFile(Write("photo.dat", bmp)).ok);
  EXPECT_FALSE(ReadImageFile(Write("photo.gif", bmp)).ok);
  EXPECT_FALSE(ReadImageFile(Write("photo.JPEG", bmp)).ok);
  EXPECT_FALSE(ReadImageFile(Write("photo.ico", bmp)).ok);
  // A dot in a folder name is no extension.
  std::filesystem::create_directory(PathOf("v1.png"));
  EXPECT_TRUE(ReadImageFile(Write("v1.png/plain", bmp)).ok);
}

TEST_F(ReadImageFileTest, FailuresNameTheFileAndTheReason) {
  const std::string missing = PathOf("gone.bmp");
  EXPECT_EQ(ReadImageFile(missing).error,
            "Cannot read \"" + missing + "\": No such file or directory");
  const std::string empty = Write("empty.png", {});
  const ImageFileRead read = ReadImageFile(empty);
  EXPECT_FALSE(read.ok);
  EXPECT_THAT(read.error, ::testing::StartsWith("Cannot read \"" + empty + "\": "));
  EXPECT_GT(read.error.size(), ("Cannot read \"" + empty + "\": ").size());
}

TEST_F(ReadImageFileTest, GifFrames) {
  const ImageFileRead single = ReadImageFile(Write("one.gif", MakeAnimatedGif(1, 4, 3)));
  ASSERT_TRUE(single.ok) << single.error;
  EXPECT_FALSE(single.isAnimated);
  EXPECT_EQ(single.frameCount, 0);
  EXPECT_TRUE(single.hasPalette);
  EXPECT_EQ(single.paletteColorCount, 4);

  const std::string three = Write("three.gif", MakeAnimatedGif(3, 4, 3));
  const ImageFileRead second = ReadImageFile(three, 1);
  ASSERT_TRUE(second.ok) << second.error;
  EXPECT_TRUE(second.isAnimated);
  EXPECT_EQ(second.frameCount, 3);
  EXPECT_EQ(second.staging.pixels[0] & 0xFFFFFF, 0xFF0000u);  // frame 1 is all index 1: red
}

TEST_F(ReadImageFileTest, SizeTextIsTheFileSizeInBytes) {
  EXPECT_EQ(GetFileSizeText(Write("five.bin", {1, 2, 3, 4, 5})), "5");
  EXPECT_EQ(GetFileSizeText(Write("none.bin", {})), "0");
  EXPECT_EQ(GetFileSizeText(PathOf("gone.bin")), "-1");
}

}  // namespace
}  // namespace pixmora

// What the Display preview shows: the decoded output of a conversion, its summary, the pixels
// that differ from the source, the picture for the screen and the status bar's text.
#include "decode/ShownOutput.h"

#include <gtest/gtest.h>

#include "decode/ClassicCase.h"
#include "decode/DecodeRun.h"
#include "decode/ExpectedPictures.h"

namespace pixmora {
namespace {

TBitmap32 Gradient(int width, int height) {
  TBitmap32 picture(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      picture.SetPixel(x, y,
                       MakePixel(static_cast<std::uint8_t>(x * 255 / width),
                                 static_cast<std::uint8_t>(y * 255 / height),
                                 static_cast<std::uint8_t>((x * y) & 0xFF)));
    }
  }
  return picture;
}

// A classic run of a picture, as the desktop program converts it.
struct Converted {
  Converted(const TBitmap32& image, std::initializer_list<Option> options) : picture(image) {
    input.WorkingImage = &picture;
    input.ImageWidth = static_cast<std::uint16_t>(picture.Width());
    input.ImageHeight = static_cast<std::uint16_t>(picture.Height());
    input.CurrentFileName = "logo.png";
    for (const Option option : options)
      input.Preferences.Set(option, true);
    NullProgressSink progress;
    RecordingMessageBox messages;
    EXPECT_TRUE(engine.Run(input, progress, messages));
  }
  ExportSource Source() const {
    return {engine, input.ImageWidth, input.ImageHeight, input.Preferences, false};
  }

  TBitmap32 picture;
  ConversionInput input;
  ConversionEngine engine;
};

TEST(ShownOutputTest, ColorDifferenceIsTheLargestChannelOverBlack) {
  EXPECT_EQ(ColorDifference(MakePixel(10, 20, 30), MakePixel(10, 20, 30)), 0);
  EXPECT_EQ(ColorDifference(MakePixel(10, 20, 30), MakePixel(13, 11, 30)), 9);
  // The source's alpha is not read; the shown pixel's covers black.
  EXPECT_EQ(ColorDifference(MakePixel(10, 20, 30), MakePixel(10, 20, 30, 0)), 0);
  EXPECT_EQ(ColorDifference(MakePixel(200, 0, 0, 0), MakePixel(0, 0, 0)), 0);
  EXPECT_EQ(ColorDifference(MakePixel(200, 100, 0, 128), MakePixel(0, 0, 0)), 100);
}

TEST(ShownOutputTest, FiveSixFiveNeverDiffersByMoreThanTheDefaultTolerance) {
  const TBitmap32 picture = Gradient(64, 64);
  const Converted run(picture, {Option::Color65536, Option::IncludeInfo});
  const ShownOutput shown = ShownOutput::OfClassicRun(run.Source(), picture);
  ASSERT_FALSE(shown.Empty());
  ASSERT_EQ(shown.Error(), "");
  EXPECT_EQ(shown.Picture(), DecodeClassicRun(run.Source()).picture);
  EXPECT_EQ(shown.Summary(), "65536 colors (5-6-5): 64 x 64 pixels, 8198 bytes, PSNR " +
                                 PsnrText(Psnr(shown.Picture(), picture)));
  EXPECT_EQ(shown.CountDifferences(kDefaultDifferenceTolerance), 0u);
  EXPECT_GT(shown.CountDifferences(0), 0u);
  // Every pixel 5-6-5 can show: 7 at most.
  EXPECT_EQ(shown.CountDifferences(7), 0u);
}

TEST(ShownOutputTest, ThreeThreeTwoDiffersAndTheScreenMarksExactlyThosePixels) {
  const TBitmap32 picture = Gradient(40, 30);
  const Converted run(picture, {Option::Color256, Option::Compression});
  const ShownOutput shown = ShownOutput::OfClassicRun(run.Source(), picture);
  EXPECT_EQ(shown.Summary().rfind("256 colors (3-3-2), compressed: 40 x 30 pixels, ", 0), 0u);
  const std::size_t differing = shown.CountDifferences(kDefaultDifferenceTolerance);
  EXPECT_GT(differing, 0u);
  EXPECT_LT(differing, picture.PixelCount());
  const TBitmap32 marked = shown.ScreenPicture(kDefaultDifferenceTolerance);
  const TBitmap32 plain = shown.ScreenPicture(std::nullopt);
  EXPECT_EQ(plain, shown.Picture());  // opaque: as decoded
  std::size_t marks = 0;
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 40; ++x) {
      const bool differs = ColorDifference(shown.Picture().Pixel(x, y), picture.Pixel(x, y)) > 8;
      const std::uint32_t p = plain.Pixel(x, y);
      const std::uint32_t faded = MakePixel(static_cast<std::uint8_t>(((p >> 16 & 0xFF) + 256) / 2),
                                            static_cast<std::uint8_t>(((p >> 8 & 0xFF) + 256) / 2),
                                            static_cast<std::uint8_t>(((p & 0xFF) + 256) / 2));
      EXPECT_EQ(marked.Pixel(x, y), differs ? kDifferenceMark : faded);
      marks += differs ? 1 : 0;
    }
  }
  EXPECT_EQ(marks, differing);
  EXPECT_EQ(shown.CountDifferences(255), 0u);
}

TEST(ShownOutputTest, ATargetShowsTransparencyOverACheckerboard) {
  TBitmap32 picture(8, 1);
  for (int x = 0; x < 8; ++x)
    picture.SetPixel(x, 0, MakePixel(255, 0, 0, x < 4 ? 255 : 0));
  const TargetSettings settings{.target = TargetKind::Rgb565, .mask = true};
  const TargetResult result = EncodeTarget({picture, {}, settings, "logo"});
  ASSERT_EQ(result.error, "");
  const ShownOutput shown = ShownOutput::OfTargetRun(result.data, settings, picture);
  EXPECT_EQ(shown.Summary().rfind("rgb565 --mask: 8 x 1 pixels, 17 bytes, PSNR ", 0), 0u);
  const TBitmap32 screen = shown.ScreenPicture(std::nullopt);
  EXPECT_EQ(screen.Pixel(0, 0), MakePixel(255, 0, 0));
  // Cells of 4 pixels: white, then light gray.
  EXPECT_EQ(screen.Pixel(4, 0), MakePixel(0xCC, 0xCC, 0xCC));
  const auto place = shown.PlaceOf(1, 0);
  ASSERT_TRUE(place);
  EXPECT_EQ(place->values, std::vector<std::uint32_t>{0xF800});
  EXPECT_EQ(place->offset, 2u);
}

TEST(ShownOutputTest, AFaultyOutputSaysSo) {
  TBitmap32 picture(3, 1);
  const TargetSettings settings{.target = TargetKind::GfxBitmap};
  TargetResult result = EncodeTarget({picture, {}, settings, "logo"});
  ASSERT_EQ(result.error, "");
  result.data.arrays[0].bytes[0] |= 1;  // a bit after the last pixel of the row
  const ShownOutput shown = ShownOutput::OfTargetRun(result.data, settings, picture);
  EXPECT_FALSE(shown.Empty());
  EXPECT_EQ(shown.Error(),
            "The output does not decode: row 0 has bits set after its last pixel, where the "
            "layout keeps 0");
  EXPECT_TRUE(shown.Picture().Empty());
  EXPECT_EQ(shown.Summary(), "gfx-bitmap: " + shown.Error());
}

TEST(ShownOutputTest, PixelStatusSaysWhatIsKnown) {
  TBitmap32 picture(2, 1);
  picture.SetPixel(0, 0, MakePixel(255, 0, 0));
  picture.SetPixel(1, 0, MakePixel(0, 0, 7, 0));  // the alpha is not shown
  const Converted run(picture, {Option::Color256, Option::IncludeInfo});
  const ShownOutput shown = ShownOutput::OfClassicRun(run.Source(), picture);
  EXPECT_EQ(PixelStatus(0, 0, picture, shown, false, std::nullopt),
            "x 0, y 0   source #FF0000   shown #FF0000   0xE0 at offset 6");
  EXPECT_EQ(PixelStatus(1, 0, picture, shown, false, 8),
            "x 1, y 0   source #000007   shown #000000   0x00 at offset 7");
  EXPECT_EQ(PixelStatus(1, 0, picture, shown, false, 5),
            "x 1, y 0   source #000007   shown #000000   0x00 at offset 7   differs by 7");
  EXPECT_EQ(PixelStatus(0, 0, picture, shown, true, std::nullopt),
            "x 0, y 0   source #FF0000   shown #FF0000   0xE0 at offset 6   (out of date)");
  EXPECT_EQ(PixelStatus(2, 0, picture, shown, false, std::nullopt), "");
  // Nothing converted: the source alone.
  EXPECT_EQ(PixelStatus(0, 0, picture, ShownOutput(), false, 8), "x 0, y 0   source #FF0000");
  // A picture rotated since: the source as it is now, the output where it has the pixel.
  TBitmap32 rotated(1, 2);
  EXPECT_EQ(PixelStatus(0, 1, rotated, shown, true, std::nullopt), "x 0, y 1   source #000000");
  EXPECT_EQ(PixelStatus(1, 0, rotated, shown, true, std::nullopt),
            "x 1, y 0   shown #000000   0x00 at offset 7   (out of date)");
}

TEST(ShownOutputTest, DifferencesText) {
  EXPECT_EQ(DifferencesText(0, 512, 8), "No pixel differs by more than 8");
  EXPECT_EQ(DifferencesText(1, 512, 8), "1 of 512 pixels differs by more than 8");
  EXPECT_EQ(DifferencesText(12, 512, 0), "12 of 512 pixels differ by more than 0");
}

TEST(ShownOutputTest, WithoutTheSourceThereIsNoPsnrAndNoDifference) {
  const TBitmap32 picture = Gradient(5, 5);
  const Converted run(picture, {Option::Color4096});
  const ShownOutput shown = ShownOutput::OfClassicRun(run.Source(), TBitmap32());
  EXPECT_EQ(shown.Summary(), "4096 colors (4-4-4): 5 x 5 pixels, 44 bytes");
  EXPECT_EQ(shown.CountDifferences(0), 0u);
  EXPECT_EQ(shown.ScreenPicture(0), shown.Picture());
}

TEST(ShownOutputTest, MarksStandOutOfAFadedPicture) {
  TBitmap32 picture(2, 1);
  picture.SetPixel(0, 0, MakePixel(0, 0, 0));
  picture.SetPixel(1, 0, MakePixel(0, 0, 100));
  const Converted run(picture, {Option::Color256});
  const ShownOutput shown = ShownOutput::OfClassicRun(run.Source(), picture);
  const TBitmap32 screen = shown.ScreenPicture(8);
  EXPECT_EQ(screen.Pixel(0, 0), MakePixel(128, 128, 128));  // black, exact, faded
  EXPECT_EQ(screen.Pixel(1, 0), kDifferenceMark);           // blue 100 shows as 85
}

}  // namespace
}  // namespace pixmora

#include "image/ImageDocument.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "image/BmpWriter.h"
#include "image/DocumentEdits.h"
#include "image/RecordingDocumentView.h"
#include "platform/AtomicFile.h"
#include "platform/RecordingMessageBox.h"
#include "tests/image/TempFolderTest.h"
#include "tests/image/TestImages.h"

namespace pixmora {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::StartsWith;
using namespace pixmora::testing;

TBitmap32 Gradient(int width, int height) {
  TBitmap32 image(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      image.SetPixel(x, y, MakePixel(x * 40, y * 40, 200));
  }
  return image;
}

class ImageDocumentTest : public TempFolderTest {
 protected:
  std::string WriteBmp(const std::string& name, const TBitmap32& image) {
    return Write(name, EncodeBmp32(image));
  }
  void Open(const std::string& path) {
    view_.openNames.push_back(path);
    document_.mnuOpenClick(LoadOrigin::Dialog);
    view_.steps.clear();
  }

  RecordingDocumentView view_;
  RecordingMessageBox messages_;
  ImageDocument document_{view_, messages_};
};

TEST_F(ImageDocumentTest, DialogLoadRunsItsStepsInOrderAndDescribesTheFile) {
  const std::string path = WriteBmp("photo.bmp", Gradient(3, 2));
  view_.openNames.push_back(path);
  document_.mnuOpenClick(LoadOrigin::Dialog);

  EXPECT_THAT(
      view_.steps,
      ElementsAre("AskOpenImageName", "EnableImageCommands", "AddRecentFile " + path,
                  "ForgetSaveImageName", "ClearOutput", "SetThresholdPosition 8388607",
                  "WatchFile " + path, "ResetColorSwatches",
                  "ShowFileInformation Colors: 16M, Animations: 0 from 0", "EnablePaletteMode off",
                  "EnableFrameCommands off", "ShowWorkingImage 3x2", "ShowImageMode Color",
                  "ResetCropSelection 3x2", "RecreatePixelGrid 3x2", "ShowImageTexts " + path));
  EXPECT_EQ(document_.CurrentFileName, path);
  EXPECT_EQ(document_.WorkingImage, Gradient(3, 2));
  EXPECT_EQ(document_.ColorImageCopy, document_.WorkingImage);
  EXPECT_EQ(document_.ImageWidth, 3);
  EXPECT_EQ(document_.ImageHeight, 2);
  EXPECT_EQ(document_.ImageMode, ImageMode::Color);
  EXPECT_EQ(document_.Texts.lblConvertMode, "Convert mode: Color");
  EXPECT_EQ(document_.Texts.mnuImageMode2, "Color");
  EXPECT_EQ(document_.Texts.lblImageName, path);
  EXPECT_EQ(document_.Texts.lblImageDimensions, "Dimensions: 3 x 2");
  EXPECT_EQ(document_.Texts.lblDimensions, "Dimensions: 3 x 2");
  EXPECT_EQ(document_.Texts.lblName, "Name: photo.bmp");
  EXPECT_EQ(document_.Texts.lblSize, "Size: 78 bytes");  // 54 header bytes + 6 pixels of 4
  EXPECT_TRUE(document_.ThresholdSourceStale);
  EXPECT_THAT(messages_.shown, IsEmpty());
}

TEST_F(ImageDocumentTest, OriginsDifferOnlyInTheirFirstSteps) {
  const std::string path = WriteBmp("a.bmp", Gradient(2, 2));
  document_.FrameIndex = 2;
  document_.ImageResampled = true;
  document_.mnuOpenClick(LoadOrigin::Drop, path);
  EXPECT_THAT(std::vector(view_.steps.begin(), view_.steps.begin() + 4),
              ElementsAre("EnableImageCommands", "AddRecentFile " + path, "ForgetSaveImageName",
                          "ClearOutput"));
  EXPECT_EQ(document_.CurrentFileName, path);
  EXPECT_EQ(document_.FrameIndex, 0);
  EXPECT_FALSE(document_.ImageResampled);

  // A recent file is a file opened anew too; reading the same file again is not.
  view_.steps.clear();
  document_.mnuOpenClick(LoadOrigin::RecentFile, path);
  EXPECT_THAT(std::vector(view_.steps.begin(), view_.steps.begin() + 3),
              ElementsAre("EnableImageCommands", "ForgetSaveImageName", "ClearOutput"));
  for (LoadOrigin origin : {LoadOrigin::Reload, LoadOrigin::ExternalChange}) {
    view_.steps.clear();
    document_.ImageResampled = true;
    document_.mnuOpenClick(origin);
    EXPECT_THAT(std::vector(view_.steps.begin(), view_.steps.begin() + 2),
                ElementsAre("EnableImageCommands", "ClearOutput"));
    EXPECT_FALSE(document_.ImageResampled);
  }

  // A mode switch keeps the mode its caller chose and touches no command.
  view_.steps.clear();
  document_.SetImageMode(ImageMode::Monochrome);
  document_.mnuOpenClick(LoadOrigin::ModeChange);
  EXPECT_EQ(view_.steps[1], "ClearOutput");
  EXPECT_EQ(document_.Texts.lblConvertMode, "Convert mode: Monochrome");
  EXPECT_EQ(document_.ImageMode, ImageMode::Monochrome);
}

TEST_F(ImageDocumentTest, CancelledOpenDialogEndsTheLoad) {
  const std::string first = WriteBmp("first.bmp", Gradient(2, 2));
  Open(first);
  document_.mnuOpenClick(LoadOrigin::Dialog);
  EXPECT_THAT(view_.steps, ElementsAre("AskOpenImageName"));
  EXPECT_EQ(document_.CurrentFileName, first);
}

TEST_F(ImageDocumentTest, SavePromptAnswers) {
  const std::string path = WriteBmp("a.bmp", Gradient(2, 2));
  Open(path);
  const TBitmap32 edited = Gradient(4, 1);

  // Cancel: nothing changes.
  document_.WorkingImage = edited;
  document_.ImageChanged = true;
  messages_.answers = {MessageResult::Cancel};
  document_.mnuOpenClick(LoadOrigin::Reload);
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].text, "Image has been changed.\nDo you want to save it?");
  EXPECT_EQ(messages_.shown[0].title, "Image change");
  EXPECT_EQ(messages_.shown[0].icon, MessageIcon::Question);
  EXPECT_EQ(messages_.shown[0].buttons, MessageButtons::YesNoCancel);
  EXPECT_THAT(view_.steps, IsEmpty());
  EXPECT_TRUE(document_.ImageChanged);
  EXPECT_EQ(document_.WorkingImage, edited);

  // No: the flag goes, the file is read again, no save dialog.
  messages_.answers = {MessageResult::No};
  document_.mnuOpenClick(LoadOrigin::Reload);
  EXPECT_FALSE(document_.ImageChanged);
  EXPECT_EQ(view_.steps.front(), "EnableImageCommands");
  EXPECT_EQ(document_.WorkingImage, Gradient(2, 2));

  // Yes: the edited image is written under the chosen name before the load goes on.
  view_.steps.clear();
  document_.WorkingImage = edited;
  document_.ImageChanged = true;
  const std::string saved = PathOf("edited.bmp");
  view_.saveNames.push_back(saved);
  messages_.answers = {MessageResult::Yes};
  document_.mnuOpenClick(LoadOrigin::Reload);
  EXPECT_EQ(view_.steps[0], "AskSaveImageName");
  EXPECT_EQ(view_.steps[1], "EnableImageCommands");
  std::string bytes;
  ASSERT_EQ(ReadWholeFile(saved, bytes), "");
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), EncodeBmp32(edited));
  EXPECT_FALSE(document_.ImageChanged);
  EXPECT_FALSE(document_.IgnoreNextChange);
  EXPECT_EQ(document_.CurrentFileName, path);

  // Yes with a cancelled save dialog still loads.
  view_.steps.clear();
  document_.ImageChanged = true;
  messages_.answers = {MessageResult::Yes};
  document_.mnuOpenClick(LoadOrigin::Reload);
  EXPECT_EQ(view_.steps[1], "EnableImageCommands");
  EXPECT_FALSE(document_.ImageChanged);
}

TEST_F(ImageDocumentTest, FailedSaveInThePromptKeepsTheEditedImage) {
  Open(WriteBmp("a.bmp", Gradient(2, 2)));
  const TBitmap32 edited = Gradient(4, 1);
  document_.WorkingImage = edited;
  document_.ImageChanged = true;
  const std::string unwritable = PathOf("missing/x.bmp");
  view_.saveNames.push_back(unwritable);
  messages_.answers = {MessageResult::Yes};
  document_.mnuOpenClick(LoadOrigin::Reload);
  EXPECT_THAT(view_.errors,
              ElementsAre("Cannot create file \"" + unwritable + "\". No such file or directory"));
  EXPECT_TRUE(document_.ImageChanged);
  EXPECT_EQ(document_.WorkingImage, edited);
}

TEST_F(ImageDocumentTest, ReloadAfterAnEditThatKeepsTheFlagClearAsksNothing) {
  const std::string path = WriteBmp("a.bmp", Gradient(3, 2));
  Open(path);
  document_.WorkingImage = Gradient(2, 3);  // as a rotation leaves it
  document_.mnuOpenClick(LoadOrigin::Reload);
  EXPECT_THAT(messages_.shown, IsEmpty());
  EXPECT_EQ(document_.WorkingImage, Gradient(3, 2));
}

TEST_F(ImageDocumentTest, AFileThatCannotBeReadLeavesTheDocumentAsItWas) {
  const std::string good = Write("good.gif", MakeAnimatedGif(3, 4, 3));
  Open(good);
  document_.mnuNextClick();
  document_.PaletteImageCopy = TBitmap32(4, 3);
  document_.ImageResampled = true;
  const TBitmap32 edited = Gradient(4, 1);
  document_.WorkingImage = edited;
  document_.ImageChanged = true;
  const DocumentTexts before = document_.Texts;
  view_.steps.clear();

  // "No" to the question, then a file that is no picture: the edit stays, with its question.
  const std::string bad = Write("bad.bmp", MakeRgbPng(1, 1, {0xFF0000}, false));
  messages_.answers = {MessageResult::No};
  EXPECT_FALSE(document_.mnuOpenClick(LoadOrigin::Drop, bad));
  ASSERT_EQ(view_.errors.size(), 1u);
  EXPECT_EQ(view_.errors[0], "Cannot read \"" + bad + "\": not a BMP file");
  EXPECT_THAT(view_.steps, ElementsAre("ReportError " + view_.errors[0]));
  EXPECT_EQ(document_.CurrentFileName, good);
  EXPECT_EQ(document_.WorkingImage, edited);
  EXPECT_TRUE(document_.ImageChanged);
  EXPECT_EQ(document_.FrameIndex, 1);
  EXPECT_EQ(document_.FrameCount, 3);
  EXPECT_TRUE(document_.IsAnimated);
  EXPECT_TRUE(document_.HasPalette);
  EXPECT_EQ(document_.PaletteColorCount, 4);
  EXPECT_TRUE(document_.ImageResampled);
  EXPECT_EQ(document_.PaletteImageCopy, TBitmap32(4, 3));
  EXPECT_EQ(document_.Texts.lblName, before.lblName);
  EXPECT_EQ(document_.Texts.lblAnimations, before.lblAnimations);

  // The same through the open dialog, and a cancelled dialog after "No".
  view_.steps.clear();
  view_.openNames = {PathOf("missing.bmp")};
  messages_.answers = {MessageResult::No};
  EXPECT_FALSE(document_.mnuOpenClick(LoadOrigin::Dialog));
  messages_.answers = {MessageResult::No};
  EXPECT_FALSE(document_.mnuOpenClick(LoadOrigin::Dialog));
  EXPECT_THAT(view_.steps, ElementsAre("AskOpenImageName", "ReportError " + view_.errors[1],
                                       "AskOpenImageName"));
  EXPECT_EQ(document_.CurrentFileName, good);
  EXPECT_TRUE(document_.ImageChanged);
}

TEST_F(ImageDocumentTest, OpeningAnotherFileKeepsNoMemoryOfTheLastOne) {
  Open(WriteBmp("big.bmp", Gradient(300, 200)));
  document_.ThresholdSource = document_.WorkingImage;
  document_.ThresholdUndoCopy = document_.WorkingImage;
  document_.PaletteImageCopy = document_.WorkingImage;
  document_.PaletteImageColorTable.assign(256, 0);
  Open(WriteBmp("small.bmp", Gradient(4, 2)));
  EXPECT_EQ(document_.WorkingImage.Pixels().capacity(), 8u);
  EXPECT_EQ(document_.ColorImageCopy.Pixels().capacity(), 8u);
  for (const TBitmap32* copy :
       {&document_.ThresholdSource, &document_.ThresholdUndoCopy, &document_.PaletteImageCopy}) {
    EXPECT_EQ(copy->Pixels().capacity(), 0u);
  }
  EXPECT_EQ(document_.PaletteImageColorTable.capacity(), 0u);
}

TEST_F(ImageDocumentTest, AFailedModeSwitchKeepsTheModeItCameFrom) {
  const std::string path = Write("four.bmp", MakeIndexedBmp(4, 2, 1, {0, 0xFFFFFF}, {0, 1}));
  Open(path);
  ASSERT_EQ(document_.ImageMode, ImageMode::Palette);
  std::filesystem::remove(path);
  EXPECT_TRUE(SwitchImageMode(document_, ImageMode::Color, 0));
  EXPECT_EQ(document_.ImageMode, ImageMode::Palette);
  EXPECT_EQ(document_.Texts.lblConvertMode, "Convert mode: Palette");
  EXPECT_THAT(view_.steps, ::testing::Not(::testing::Contains("ClearOutput")));
}

TEST_F(ImageDocumentTest, ModeSwitchAfterAReductionRestoresTheCopies) {
  Open(WriteBmp("a.bmp", Gradient(3, 2)));
  const TBitmap32 decoded = Gradient(3, 2);
  document_.PaletteImageCopy = TBitmap32(3, 2);
  document_.PaletteImageColorTable = {0x000000, 0xFFFFFF};
  document_.ImageResampled = true;

  document_.SetImageMode(ImageMode::Palette);
  document_.mnuOpenClick(LoadOrigin::ModeChange);
  EXPECT_EQ(document_.WorkingImage, TBitmap32(3, 2));
  EXPECT_TRUE(document_.HasPalette);
  EXPECT_TRUE(view_.paletteModeEnabled);
  EXPECT_EQ(document_.PaletteColorCount, 2);
  EXPECT_EQ(document_.ColorTable, (std::vector<std::uint32_t>{0x000000, 0xFFFFFF}));
  EXPECT_EQ(document_.Texts.lblColors, "Colors: 16M");  // still the file's
  EXPECT_TRUE(document_.ImageResampled);
  EXPECT_EQ(document_.ImageMode, ImageMode::Palette);

  document_.SetImageMode(ImageMode::Color);
  document_.mnuOpenClick(LoadOrigin::ModeChange);
  EXPECT_EQ(document_.WorkingImage, decoded);
  EXPECT_TRUE(document_.ImageResampled);
}

TEST_F(ImageDocumentTest, SaveMakesTheSavedFileTheDocumentsFile) {
  const std::string path = WriteBmp("a.bmp", Gradient(3, 2));
  Open(path);
  document_.ImageChanged = true;
  const std::string saved = PathOf("saved.bmp");
  EXPECT_TRUE(document_.SaveImage(saved));
  EXPECT_TRUE(document_.IgnoreNextChange);
  EXPECT_FALSE(document_.ImageChanged);
  EXPECT_EQ(document_.CurrentFileName, saved);
  EXPECT_EQ(document_.Texts.lblName, "Name: a.bmp");  // describes the file loaded last

  document_.IgnoreNextChange = false;
  document_.ImageChanged = true;
  const std::string unwritable = PathOf("missing/x.bmp");
  EXPECT_FALSE(document_.SaveImage(unwritable));
  EXPECT_THAT(view_.errors,
              ElementsAre("Cannot create file \"" + unwritable + "\". No such file or directory"));
  EXPECT_TRUE(document_.IgnoreNextChange);
  EXPECT_TRUE(document_.ImageChanged);
  EXPECT_EQ(document_.CurrentFileName, saved);
}

TEST_F(ImageDocumentTest, FilesWithoutPaletteOpenInColorMode) {
  for (const std::string& path :
       {WriteBmp("true.bmp", Gradient(2, 2)), Write("true24.bmp", MakeBmp24(1, 1, {0x123456})),
        Write("photo.jpg", MakeJpeg({.width = 8,
                           .height = 8,
                           .pixels = std::vector<std::uint32_t>(64, 0x336699)}))}) {
    document_.SetImageMode(ImageMode::Palette);
    Open(path);
    EXPECT_EQ(document_.Texts.lblColors, "Colors: 16M") << path;
    EXPECT_FALSE(view_.paletteModeEnabled) << path;
    EXPECT_EQ(document_.ImageMode, ImageMode::Color) << path;
    EXPECT_EQ(document_.Texts.lblConvertMode, "Convert mode: Color") << path;
  }
}

TEST_F(ImageDocumentTest, FilesWithPaletteOpenInPaletteModeAndCountTheirColors) {
  struct Case {
    std::string name;
    Bytes bytes;
    std::string colors;
  };
  std::vector<std::uint32_t> palette256(256), palette16(16);
  for (std::uint32_t i = 0; i < 256; ++i)
    palette256[i] = i * 0x010101u;
  for (std::uint32_t i = 0; i < 16; ++i)
    palette16[i] = i * 0x111111u;
  const Case cases[] = {
      {"eight.bmp", MakeIndexedBmp(8, 2, 1, palette256, {0, 255}), "Colors: 256"},
      {"four.bmp", MakeIndexedBmp(4, 2, 1, palette16, {0, 15}), "Colors: 16"},
      {"gray.png",
       MakePng({.width = 4,
                .height = 1,
                .colorType = 0,
                .bitDepth = 2,
                .rows = {PackRow({0, 1, 2, 3}, 2)}}),
       "Colors: 16"},
  };
  for (const Case& c : cases) {
    Open(Write(c.name, c.bytes));
    EXPECT_EQ(document_.Texts.lblColors, c.colors) << c.name;
    EXPECT_TRUE(document_.HasPalette) << c.name;
    EXPECT_TRUE(view_.paletteModeEnabled) << c.name;
    EXPECT_EQ(document_.ImageMode, ImageMode::Palette) << c.name;
    EXPECT_EQ(document_.Texts.mnuImageMode2, "Palette") << c.name;
    EXPECT_EQ(static_cast<std::size_t>(document_.PaletteColorCount), document_.ColorTable.size());
  }
}

TEST_F(ImageDocumentTest, WorkingImagePixels) {
  // Transparent icon pixels are white.
  Open(Write("app.ico", MakeIconWithTransparentCorners()));
  ASSERT_EQ(document_.WorkingImage.Width(), 32);
  ASSERT_EQ(document_.WorkingImage.Height(), 32);
  EXPECT_EQ(document_.WorkingImage.Pixel(0, 0), 0xFFFFFFFFu);
  EXPECT_EQ(document_.WorkingImage.Pixel(31, 31), 0xFFFFFFFFu);
  EXPECT_EQ(document_.WorkingImage.Pixel(16, 16), 0xFFFF0000u);

  // Transparent PNG pixels are black, whatever the picture opened before held.
  Open(WriteBmp("white.bmp", TBitmap32(2, 1)));
  document_.WorkingImage.Pixels().assign(2, 0xFFFFFFFFu);
  Open(Write("clear.Png", MakeRgbPng(2, 1, {0x00FFFFFF, 0xFF00FF00}, true)));
  EXPECT_THAT(document_.WorkingImage.Pixels(), ElementsAre(0xFF000000u, 0xFF00FF00u));

  // Only a 32-bit BMP keeps its fourth bytes.
  TBitmap32 translucent(2, 1);
  translucent.SetPixel(0, 0, 0x12345678);
  translucent.SetPixel(1, 0, 0x00ABCDEF);
  Open(WriteBmp("alpha.bmp", translucent));
  EXPECT_EQ(document_.WorkingImage, translucent);
  Open(Write("opaque.bmp", MakeBmp24(1, 1, {0x345678})));
  EXPECT_EQ(document_.WorkingImage.Pixel(0, 0), 0xFF345678u);
}

TEST_F(ImageDocumentTest, SingleFrameGifIsNotAnimated) {
  Open(Write("one.gif", MakeAnimatedGif(1, 4, 3)));
  EXPECT_FALSE(document_.IsAnimated);
  EXPECT_EQ(document_.FrameCount, 0);
  EXPECT_EQ(document_.Texts.lblAnimations, "Animations: 0 from 0");
  EXPECT_FALSE(view_.frameCommandsEnabled);
  EXPECT_TRUE(document_.HasPalette);
  EXPECT_EQ(document_.ImageMode, ImageMode::Palette);
  EXPECT_EQ(document_.Texts.lblColors, "Colors: 4");
}

class GifFramesTest : public ImageDocumentTest {
 protected:
  // Frame i is all index i of black, red, green, blue.
  std::uint32_t ShownColor() const {
    if (document_.WorkingImage.Empty()) {
      ADD_FAILURE() << "no image";
      return 0xFFFFFFFF;
    }
    return document_.WorkingImage.Pixel(0, 0) & 0xFFFFFF;
  }
};

TEST_F(GifFramesTest, NextAndPreviousWrapAround) {
  Open(Write("three.gif", MakeAnimatedGif(3, 4, 3)));
  EXPECT_TRUE(document_.IsAnimated);
  EXPECT_TRUE(view_.frameCommandsEnabled);
  EXPECT_EQ(document_.Texts.lblAnimations, "Animations: 1 from 3");
  EXPECT_EQ(ShownColor(), 0x000000u);

  document_.mnuNextClick();
  EXPECT_EQ(document_.Texts.lblAnimations, "Animations: 2 from 3");
  EXPECT_EQ(ShownColor(), 0xFF0000u);
  document_.mnuNextClick();
  document_.mnuNextClick();
  EXPECT_EQ(document_.FrameIndex, 0);
  EXPECT_EQ(document_.Texts.lblAnimations, "Animations: 1 from 3");
  EXPECT_EQ(ShownColor(), 0x000000u);

  document_.mnuPreviousClick();
  EXPECT_EQ(document_.FrameIndex, 2);
  EXPECT_EQ(document_.Texts.lblAnimations, "Animations: 3 from 3");
  EXPECT_EQ(ShownColor(), 0x00FF00u);
  EXPECT_EQ(document_.ImageMode, ImageMode::Palette);
  EXPECT_EQ(document_.Texts.lblConvertMode, "Convert mode: Palette");
  EXPECT_THAT(view_.errors, IsEmpty());
}

TEST_F(GifFramesTest, FrameStepClearsTheReductionAndDecodesTheFrame) {
  Open(Write("three.gif", MakeAnimatedGif(3, 4, 3)));
  document_.PaletteImageCopy = TBitmap32(4, 3);
  document_.ImageResampled = true;
  document_.mnuNextClick();
  EXPECT_FALSE(document_.ImageResampled);
  EXPECT_EQ(ShownColor(), 0xFF0000u);
}

TEST_F(GifFramesTest, SecondGifStartsAtItsFirstFrame) {
  Open(Write("first.gif", MakeAnimatedGif(3, 4, 3)));
  document_.mnuPreviousClick();
  ASSERT_EQ(document_.FrameIndex, 2);
  Open(Write("second.gif", MakeAnimatedGif(2, 4, 3)));
  EXPECT_EQ(document_.FrameIndex, 0);
  EXPECT_EQ(document_.Texts.lblAnimations, "Animations: 1 from 2");
  EXPECT_EQ(ShownColor(), 0x000000u);
}

TEST_F(GifFramesTest, FramesSmallerThanTheScreenShowTheirOwnSize) {
  const std::vector<std::uint32_t> palette = {0x000000, 0xFFFFFF};
  GifSpec layout{.screenWidth = 10, .screenHeight = 8, .palette = palette};
  layout.frames.push_back(
      {.left = 1, .top = 2, .width = 4, .height = 3, .indices = std::vector<std::uint8_t>(12, 1)});
  layout.frames.push_back(
      {.left = 0, .top = 0, .width = 2, .height = 5, .indices = std::vector<std::uint8_t>(10, 0)});
  Open(Write("small.gif", MakeGif(layout)));
  EXPECT_EQ(document_.ImageWidth, 4);
  EXPECT_EQ(document_.ImageHeight, 3);
  EXPECT_EQ(document_.Texts.lblDimensions, "Dimensions: 4 x 3");

  document_.mnuNextClick();
  EXPECT_EQ(document_.WorkingImage.Width(), 2);
  EXPECT_EQ(document_.ImageHeight, 5);
  EXPECT_EQ(document_.Texts.lblImageDimensions, "Dimensions: 2 x 5");
  EXPECT_EQ(document_.Texts.lblDimensions, "Dimensions: 2 x 5");
  EXPECT_THAT(view_.steps, ::testing::Contains("ResetCropSelection 2x5"));
}

TEST_F(GifFramesTest, FrameStepsFollowAFileThatNowHasFewerFrames) {
  const std::string path = Write("anim.gif", MakeAnimatedGif(4, 4, 3));
  Open(path);
  document_.mnuPreviousClick();
  ASSERT_EQ(document_.FrameIndex, 3);
  Write("anim.gif", MakeAnimatedGif(2, 4, 3));

  // Frame 3 (index 2) does not exist any more: the last one is shown instead.
  document_.mnuPreviousClick();
  EXPECT_EQ(document_.FrameIndex, 1);
  EXPECT_EQ(document_.Texts.lblAnimations, "Animations: 2 from 2");
  EXPECT_EQ(ShownColor(), 0xFF0000u);

  document_.mnuPreviousClick();
  Write("anim.gif", MakeAnimatedGif(4, 4, 3));
  document_.mnuPreviousClick();
  document_.mnuPreviousClick();
  ASSERT_EQ(document_.FrameIndex, 2);
  Write("anim.gif", MakeAnimatedGif(2, 4, 3));
  document_.mnuNextClick();
  EXPECT_EQ(document_.FrameIndex, 0);
  EXPECT_THAT(view_.errors, IsEmpty());
}

TEST_F(GifFramesTest, CancelledOrFailedFrameStepKeepsTheShownFrame) {
  const std::string path = Write("anim.gif", MakeAnimatedGif(3, 4, 3));
  Open(path);
  document_.ImageChanged = true;
  messages_.answers = {MessageResult::Cancel};
  document_.mnuNextClick();
  EXPECT_EQ(document_.FrameIndex, 0);
  EXPECT_EQ(document_.Texts.lblAnimations, "Animations: 1 from 3");

  std::filesystem::remove(path);
  document_.ImageChanged = false;
  document_.mnuNextClick();
  EXPECT_EQ(document_.FrameIndex, 0);
  EXPECT_THAT(view_.errors, ElementsAre("Cannot read \"" + path + "\": No such file or directory"));
}

}  // namespace
}  // namespace pixmora

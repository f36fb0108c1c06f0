#include "image/ImageDocument.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "image/BmpWriter.h"
#include "image/RecordingDocumentView.h"
#include "platform/AtomicFile.h"
#include "platform/RecordingMessageBox.h"

namespace pixmora {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

TBitmap32 Gradient(int width, int height) {
  TBitmap32 image(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      image.SetPixel(x, y, MakePixel(x * 40, y * 40, 200));
  }
  return image;
}

class ImageDocumentTest : public testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/pixmora-document-XXXXXX";
    folder_ = mkdtemp(pattern);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    const std::string path = (folder_ / name).string();
    EXPECT_EQ(WriteFileAtomically(path, std::span<const unsigned char>(bytes)), "");
    return path;
  }
  std::string WriteBmp(const std::string& name, const TBitmap32& image) {
    return Write(name, EncodeBmp32(image));
  }
  void Open(const std::string& path) {
    view_.openNames.push_back(path);
    document_.mnuOpenClick(LoadOrigin::Dialog);
    view_.steps.clear();
  }

  std::filesystem::path folder_;
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
      ElementsAre("AskOpenImageName", "EnableImageCommands", "AddRecentFile " + path, "ClearOutput",
                  "SetThresholdPosition 8388607", "WatchFile " + path, "ResetColorSwatches",
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
  document_.CurrentFileName = path;
  document_.FrameIndex = 2;
  document_.ImageResampled = true;
  document_.mnuOpenClick(LoadOrigin::Drop);
  EXPECT_THAT(std::vector(view_.steps.begin(), view_.steps.begin() + 3),
              ElementsAre("EnableImageCommands", "AddRecentFile " + path, "ClearOutput"));
  EXPECT_EQ(document_.FrameIndex, 0);
  EXPECT_FALSE(document_.ImageResampled);

  for (LoadOrigin origin :
       {LoadOrigin::Reload, LoadOrigin::RecentFile, LoadOrigin::ExternalChange}) {
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
  const std::string saved = (folder_ / "edited.bmp").string();
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
  const std::string unwritable = (folder_ / "missing" / "x.bmp").string();
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

TEST_F(ImageDocumentTest, UnreadableFileKeepsThePreviousImageAndItsTexts) {
  const std::string good = WriteBmp("good.bmp", Gradient(3, 2));
  Open(good);
  const DocumentTexts before = document_.Texts;
  const std::string bad = Write("bad.bmp", {'n', 'o', 't', ' ', 'a', ' ', 'b', 'm', 'p'});
  document_.CurrentFileName = bad;
  document_.mnuOpenClick(LoadOrigin::Drop);

  ASSERT_EQ(view_.errors.size(), 1u);
  EXPECT_THAT(view_.errors[0], testing::StartsWith("Cannot read \"" + bad + "\": "));
  EXPECT_THAT(view_.steps, ElementsAre("EnableImageCommands", "AddRecentFile " + bad, "ClearOutput",
                                       "SetThresholdPosition 8388607", "WatchFile " + bad,
                                       "ResetColorSwatches", "ReportError " + view_.errors[0]));
  EXPECT_EQ(document_.CurrentFileName, bad);
  EXPECT_EQ(document_.WorkingImage, Gradient(3, 2));
  EXPECT_EQ(document_.ColorImageCopy, Gradient(3, 2));
  EXPECT_EQ(document_.Texts.lblName, before.lblName);
  EXPECT_EQ(document_.Texts.lblSize, before.lblSize);
  EXPECT_EQ(document_.Texts.lblColors, before.lblColors);
  EXPECT_FALSE(document_.HasPalette);
  EXPECT_FALSE(document_.IsAnimated);
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
  const std::string saved = (folder_ / "saved.bmp").string();
  EXPECT_TRUE(document_.SaveImage(saved));
  EXPECT_TRUE(document_.IgnoreNextChange);
  EXPECT_FALSE(document_.ImageChanged);
  EXPECT_EQ(document_.CurrentFileName, saved);
  EXPECT_EQ(document_.Texts.lblName, "Name: a.bmp");  // describes the file loaded last

  document_.IgnoreNextChange = false;
  document_.ImageChanged = true;
  const std::string unwritable = (folder_ / "missing" / "x.bmp").string();
  EXPECT_FALSE(document_.SaveImage(unwritable));
  EXPECT_THAT(view_.errors,
              ElementsAre("Cannot create file \"" + unwritable + "\". No such file or directory"));
  EXPECT_TRUE(document_.IgnoreNextChange);
  EXPECT_TRUE(document_.ImageChanged);
  EXPECT_EQ(document_.CurrentFileName, saved);
}

}  // namespace
}  // namespace pixmora

// A GIF image with a color table of its own opens in Palette mode and converts there, frame
// by frame, as the main window runs it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "conversion/ConversionEngine.h"
#include "image/ImageDocument.h"
#include "image/RecordingDocumentView.h"
#include "platform/RecordingMessageBox.h"
#include "tests/image/TempFolderTest.h"
#include "tests/image/TestImages.h"

namespace pixmora {
namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;
using namespace pixmora::testing;

class GifFramePaletteTest : public TempFolderTest {
 protected:
  void Open(const std::string& path) {
    view_.openNames.push_back(path);
    document_.mnuOpenClick(LoadOrigin::Dialog);
  }

  // Converts in the mode the document is in; the text of the run, empty when it failed.
  std::string Convert() {
    ConversionInput input;
    input.WorkingImage = &document_.WorkingImage;
    input.ImageWidth = document_.ImageWidth;
    input.ImageHeight = document_.ImageHeight;
    input.ImageMode = document_.ImageMode;
    input.ColorTable = document_.ColorTable;
    input.PaletteColorCount = document_.PaletteColorCount;
    input.CurrentFileName = document_.CurrentFileName;
    NullProgressSink progress;
    engine_.Run(input, progress, messages_);
    return std::string(engine_.OutputText());
  }

  RecordingDocumentView view_;
  RecordingMessageBox messages_;
  ImageDocument document_{view_, messages_};
  ConversionEngine engine_;
};

TEST_F(GifFramePaletteTest, ImagesWithTheirOwnTableConvertInThePaletteModeChosenForThem) {
  GifSpec layout{.screenWidth = 2, .screenHeight = 2, .palette = {0x000000, 0xFFFFFF}};
  layout.frames.push_back({.width = 2,
                           .height = 2,
                           .palette = {0x102030, 0x405060, 0x708090, 0xA0B0C0},
                           .indices = {0, 1, 2, 1}});
  layout.frames.push_back({.width = 2, .height = 2, .indices = {1, 1, 0, 1}});
  layout.frames.push_back(
      {.width = 2,
       .height = 2,
       .palette = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0x00FFFF, 0xFF00FF, 0x808080, 0xFFFFFF},
       .indices = {7, 3, 6, 1}});
  Open(Write("local.gif", MakeGif(layout)));
  ASSERT_EQ(document_.ImageMode, ImageMode::Palette);
  EXPECT_EQ(document_.Texts.lblColors, "Colors: 4");
  EXPECT_THAT(Convert(), HasSubstr("0x00, 0x01, 0x02, 0x01"));

  document_.mnuNextClick();
  EXPECT_EQ(document_.Texts.lblColors, "Colors: 2");
  EXPECT_THAT(Convert(), HasSubstr("0x01, 0x01, 0x00, 0x01"));

  document_.mnuNextClick();
  EXPECT_EQ(document_.Texts.lblColors, "Colors: 8");
  EXPECT_THAT(Convert(), HasSubstr("0x07, 0x03, 0x06, 0x01"));
  EXPECT_THAT(messages_.shown, IsEmpty());
  EXPECT_THAT(view_.errors, IsEmpty());
}

}  // namespace
}  // namespace pixmora

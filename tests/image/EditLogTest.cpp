// The document keeps the edits that made its working image, so that they can run again on every
// frame of an animation; running them on the loaded picture gives the working image.
#include <gtest/gtest.h>

#include "image/ColorReduction.h"
#include "image/DocumentEdits.h"
#include "image/EditHistory.h"
#include "image/FrameEdits.h"
#include "tests/image/LoadedDocument.h"

namespace pixmora {
namespace {

class EditLog : public testing::LoadedDocumentTest {
 protected:
  // The loaded picture with the document's edits run on it.
  TBitmap32 Replayed(const TBitmap32& loaded) {
    FrameSet set;
    set.frames.push_back({loaded, 100});
    EXPECT_EQ(EditFrames(set, document_.Edits, ResampleFilter::Box, false), "");
    return set.frames.front().image;
  }
};

TEST_F(EditLog, GeometryAndThresholdRunAgainExactly) {
  const TBitmap32 loaded = testing::ColorfulImage(12, 9);
  Load(loaded);
  RotateImageRight(document_);
  FlipImageVertical(document_);
  ASSERT_EQ(CropWorkingImage(document_, {1, 2, 8, 11}), "");
  ASSERT_EQ(ResizeWorkingImage(document_, "5", "4", ResampleFilter::Linear), "");
  EXPECT_EQ(Replayed(loaded), document_.WorkingImage);
  ASSERT_EQ(document_.Edits.size(), 4u);
  EXPECT_EQ(document_.Edits[2].values[3], 11);
  EXPECT_EQ(document_.Edits[3].filter, ResampleFilter::Linear) << "the resize's own filter";

  // The threshold window's slider thresholds its source again, and Cancel goes back to the
  // position it opened at.
  StartThreshold(document_, 4000000);
  ApplyThreshold(document_, 12000000);
  EXPECT_EQ(document_.Edits.size(), 5u);
  EXPECT_EQ(Replayed(loaded), document_.WorkingImage);
  CancelThreshold(document_);
  EXPECT_EQ(document_.Edits.back().values[0], 4000000);
  EXPECT_EQ(Replayed(loaded), document_.WorkingImage);
}

TEST_F(EditLog, UndoReductionAndReloadKeepTheLogWithTheImage) {
  const TBitmap32 loaded = testing::ColorfulImage(10, 6);
  Load(loaded);
  EditHistory history;
  history.Record(DocumentState::Of(document_));
  RotateImageLeft(document_);
  history.Record(DocumentState::Of(document_));
  FlipImageHorizontal(document_);
  ASSERT_TRUE(history.Undo(document_));
  ASSERT_EQ(document_.Edits.size(), 1u);
  EXPECT_EQ(Replayed(loaded), document_.WorkingImage);
  ASSERT_TRUE(history.Redo(document_));
  EXPECT_EQ(document_.Edits.size(), 2u);

  // The reduction of an uncropped picture starts from the loaded one, without the edits; a
  // reduction again takes the place of the one before.
  ASSERT_EQ(ReduceColors(document_, 4), "");
  ASSERT_EQ(document_.Edits.size(), 1u);
  EXPECT_EQ(document_.Edits[0].values[0], 16);
  ASSERT_EQ(ReduceColorsFrom(document_, document_.WorkingImage, 3), "");
  ASSERT_EQ(document_.Edits.size(), 1u);
  EXPECT_EQ(document_.Edits[0].values[0], 8);

  // Palette mode brings the reduced copy back with its edits; Color mode the loaded picture.
  ASSERT_TRUE(SwitchImageMode(document_, ImageMode::Monochrome, 5000000));
  EXPECT_EQ(document_.Edits.back().kind, EditKind::Threshold);
  ASSERT_TRUE(SwitchImageMode(document_, ImageMode::Palette, 0));
  EXPECT_EQ(document_.Edits, document_.PaletteCopyEdits);
  ASSERT_TRUE(SwitchImageMode(document_, ImageMode::Color, 0));
  EXPECT_TRUE(document_.Edits.empty());
  EXPECT_EQ(document_.WorkingImage, loaded);
}

TEST(FrameEdits, EveryFrameEditedAndReducedToOnePalette) {
  FrameSet set;
  set.frames.push_back({testing::ColorfulImage(8, 6), 100});
  set.frames.push_back({RotateRight(RotateRight(testing::ColorfulImage(8, 6))), 50});
  const std::vector<EditStep> edits{{EditKind::Crop, "--crop", {1, 1, 7, 5}},
                                    {EditKind::Reduce, "--reduce", {4}},
                                    {EditKind::Rotate, "--rotate", {-1}}};
  ASSERT_EQ(EditFrames(set, edits, ResampleFilter::Linear, false), "");
  ASSERT_EQ(set.palette.size(), 4u);
  for (const AnimationFrame& frame : set.frames) {
    EXPECT_EQ(frame.image.Width(), 4);
    EXPECT_EQ(frame.image.Height(), 6);
    for (const std::uint32_t pixel : frame.image.Pixels()) {
      const std::uint32_t entry = (pixel & 0xFF) << 16 | (pixel & 0xFF00) | (pixel >> 16 & 0xFF);
      EXPECT_NE(std::find(set.palette.begin(), set.palette.end(), entry), set.palette.end());
    }
  }
  EXPECT_EQ(set.frames[1].delayMs, 50);

  // A crop beyond a frame is refused by its option.
  const std::vector<EditStep> beyond{{EditKind::Crop, "--crop", {0, 0, 20, 2}}};
  EXPECT_EQ(EditFrames(set, beyond, ResampleFilter::Linear, false).rfind("--crop: ", 0), 0u);
}

}  // namespace
}  // namespace pixmora

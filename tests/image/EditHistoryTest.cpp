#include "image/EditHistory.h"

#include <gtest/gtest.h>

#include "image/ColorReduction.h"
#include "image/DocumentEdits.h"
#include "tests/image/LoadedDocument.h"

namespace pixmora::testing {
namespace {

class EditHistoryTest : public LoadedDocumentTest {
 protected:
  void SetUp() override {
    LoadedDocumentTest::SetUp();
    Load(ColorfulImage(30, 20));
  }

  template <typename Edit>
  void Recorded(Edit edit) {
    DocumentState before = DocumentState::Of(document_);
    edit();
    ASSERT_FALSE(before.SameAs(document_));
    history_.Record(std::move(before));
  }

  EditHistory history_;
};

TEST_F(EditHistoryTest, UndoAndRedoWalkBackAndForthThroughEveryKindOfEdit) {
  const DocumentState loaded = DocumentState::Of(document_);
  Recorded([&] { RotateImageRight(document_); });
  Recorded([&] { FlipImageHorizontal(document_); });
  Recorded([&] { ASSERT_EQ(CropWorkingImage(document_, {2, 3, 12, 9}), ""); });
  const DocumentState cropped = DocumentState::Of(document_);
  Recorded([&] { ASSERT_EQ(ReduceColors(document_, 2), ""); });
  Recorded([&] { StartThreshold(document_, kDefaultThresholdPosition); });
  const DocumentState thresholded = DocumentState::Of(document_);
  EXPECT_EQ(history_.Steps(), 5u);

  ASSERT_TRUE(history_.Undo(document_));
  ASSERT_TRUE(history_.Undo(document_));
  // Before the reduction: the picture as cropped, in Color mode, without the reduced palette.
  EXPECT_TRUE(cropped.SameAs(document_));
  EXPECT_EQ(document_.ImageMode, ImageMode::Color);
  EXPECT_FALSE(document_.ImageResampled);
  EXPECT_EQ(document_.Texts.lblDimensions, "Dimensions: 10 x 6");
  EXPECT_EQ(view_.steps.back(), "ResetCropSelection 10x6");
  EXPECT_TRUE(document_.ThresholdSourceStale);

  ASSERT_TRUE(history_.Redo(document_));
  ASSERT_TRUE(history_.Redo(document_));
  EXPECT_TRUE(thresholded.SameAs(document_));
  EXPECT_EQ(document_.ImageMode, ImageMode::Monochrome);
  EXPECT_FALSE(history_.Redo(document_));

  while (history_.Undo(document_)) {
  }
  EXPECT_TRUE(loaded.SameAs(document_));
  EXPECT_FALSE(document_.ImageChanged);
  EXPECT_EQ(document_.ImageWidth, 30);
}

TEST_F(EditHistoryTest, ANewEditDropsWhatCouldBeRedone) {
  Recorded([&] { RotateImageRight(document_); });
  Recorded([&] { RotateImageRight(document_); });
  history_.Undo(document_);
  EXPECT_TRUE(history_.CanRedo());
  Recorded([&] { FlipImageVertical(document_); });
  EXPECT_FALSE(history_.CanRedo());
  EXPECT_EQ(history_.Steps(), 2u);
}

TEST_F(EditHistoryTest, TheBudgetDropsTheOldestStepsButKeepsTheLast) {
  // Each state of a 30 x 20 picture holds two copies of 2400 bytes and a little more.
  EditHistory small(3 * 4800 + 3 * sizeof(DocumentState) + 100);
  for (int i = 0; i < 6; ++i) {
    DocumentState before = DocumentState::Of(document_);
    RotateImageRight(document_);
    small.Record(std::move(before));
    EXPECT_LE(small.Bytes(), 3 * 4800 + 3 * sizeof(DocumentState) + 100);
  }
  EXPECT_EQ(small.Steps(), 3u);

  EditHistory tiny(1);
  DocumentState before = DocumentState::Of(document_);
  FlipImageVertical(document_);
  tiny.Record(std::move(before));
  EXPECT_EQ(tiny.Steps(), 1u);
  ASSERT_TRUE(tiny.Undo(document_));
  EXPECT_TRUE(tiny.CanRedo());
  tiny.Clear();
  EXPECT_FALSE(tiny.CanRedo());
  EXPECT_EQ(tiny.Bytes(), 0u);
}

}  // namespace
}  // namespace pixmora::testing

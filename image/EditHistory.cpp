#include "image/EditHistory.h"

#include <utility>

namespace pixmora {

namespace {

std::size_t ImageBytes(const TBitmap32& image) {
  return image.Pixels().size() * sizeof(std::uint32_t) + image.CoveragePlane().size();
}

}  // namespace

DocumentState DocumentState::Of(const ImageDocument& document) {
  return {document.WorkingImage,
          document.ColorImageCopy,
          document.PaletteImageCopy,
          document.PaletteImageColorTable,
          document.ColorTable,
          document.PaletteColorCount,
          document.Edits,
          document.PaletteCopyEdits,
          document.HasPalette,
          document.ImageResampled,
          document.ImageCropped,
          document.ImageChanged,
          document.FrameIndex,
          document.ImageMode,
          document.Texts};
}

void DocumentState::RestoreInto(ImageDocument& document) const {
  document.WorkingImage = WorkingImage;
  document.ColorImageCopy = ColorImageCopy;
  document.PaletteImageCopy = PaletteImageCopy;
  document.PaletteImageColorTable = PaletteImageColorTable;
  document.ColorTable = ColorTable;
  document.PaletteColorCount = PaletteColorCount;
  document.Edits = Edits;
  document.PaletteCopyEdits = PaletteCopyEdits;
  document.HasPalette = HasPalette;
  document.ImageResampled = ImageResampled;
  document.ImageCropped = ImageCropped;
  document.ImageChanged = ImageChanged;
  document.FrameIndex = FrameIndex;
  document.Texts = Texts;
  document.ThresholdSourceStale = true;
  document.RefreshImageSize();
  DocumentView& view = document.View();
  view.ResetColorSwatches();
  view.ShowFileInformation(document);
  view.EnablePaletteMode(HasPalette);
  view.ShowWorkingImage(document);
  document.SetImageMode(ImageMode);
  view.ResetCropSelection(WorkingImage.Width(), WorkingImage.Height());
}

std::size_t DocumentState::Bytes() const {
  return sizeof(DocumentState) + ImageBytes(WorkingImage) + ImageBytes(ColorImageCopy) +
         ImageBytes(PaletteImageCopy) +
         (PaletteImageColorTable.size() + ColorTable.size()) * sizeof(std::uint32_t);
}

bool DocumentState::SameAs(const ImageDocument& document) const {
  return FrameIndex == document.FrameIndex && ImageMode == document.ImageMode &&
         ImageChanged == document.ImageChanged && ImageCropped == document.ImageCropped &&
         ImageResampled == document.ImageResampled && HasPalette == document.HasPalette &&
         PaletteColorCount == document.PaletteColorCount && ColorTable == document.ColorTable &&
         WorkingImage == document.WorkingImage && PaletteImageCopy == document.PaletteImageCopy &&
         ColorImageCopy == document.ColorImageCopy && Edits == document.Edits;
}

void EditHistory::Record(DocumentState before) {
  for (const DocumentState& dropped : redo_)
    bytes_ -= dropped.Bytes();
  redo_.clear();
  bytes_ += before.Bytes();
  undo_.push_back(std::move(before));
  Trim();
}

bool EditHistory::Undo(ImageDocument& document) {
  return Step(undo_, redo_, document);
}

bool EditHistory::Redo(ImageDocument& document) {
  return Step(redo_, undo_, document);
}

// Restores the last state of `from` and keeps the state it replaces on `to`.
bool EditHistory::Step(std::deque<DocumentState>& from, std::deque<DocumentState>& to,
                       ImageDocument& document) {
  if (from.empty())
    return false;
  DocumentState restored = std::move(from.back());
  from.pop_back();
  DocumentState left = DocumentState::Of(document);
  restored.RestoreInto(document);
  bytes_ += left.Bytes();
  bytes_ -= restored.Bytes();
  to.push_back(std::move(left));
  Trim();
  return true;
}

void EditHistory::Clear() {
  undo_.clear();
  redo_.clear();
  bytes_ = 0;
}

// The states furthest from the present go first: the oldest undo step, then the furthest redo.
void EditHistory::Trim() {
  while (bytes_ > budget_ && undo_.size() + redo_.size() > 1) {
    std::deque<DocumentState>& from = undo_.size() > 1 || redo_.empty() ? undo_ : redo_;
    bytes_ -= from.front().Bytes();
    from.pop_front();
  }
}

}  // namespace pixmora

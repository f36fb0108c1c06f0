#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "image/ImageDocument.h"

namespace pixmora {

// What an edit of the open picture can change: the images, the palette, the frame shown, the
// image mode and the flags, with the texts that describe them.
struct DocumentState {
  TBitmap32 WorkingImage;
  TBitmap32 ColorImageCopy;
  TBitmap32 PaletteImageCopy;
  std::vector<std::uint32_t> PaletteImageColorTable;
  std::vector<std::uint32_t> ColorTable;
  std::int32_t PaletteColorCount = 0;
  std::vector<EditStep> Edits;
  std::vector<EditStep> PaletteCopyEdits;
  bool HasPalette = false;
  bool ImageResampled = false;
  bool ImageCropped = false;
  bool ImageChanged = false;
  int FrameIndex = 0;
  pixmora::ImageMode ImageMode = pixmora::ImageMode::Color;
  DocumentTexts Texts;

  static DocumentState Of(const ImageDocument& document);
  // Puts the state back and shows it: the image, its size, the mode, the palette mode, the
  // frame's texts. The crop selection covers the restored image.
  void RestoreInto(ImageDocument& document) const;
  // The memory the state holds, which the history counts against its budget.
  std::size_t Bytes() const;
  bool SameAs(const ImageDocument& document) const;
};

// Undo and redo of the edits of one picture. The caller records the state before an edit that
// changed the document; a new edit drops what could be redone. The oldest steps go once the
// states held pass the byte budget, though the last step always stays.
class EditHistory {
 public:
  // About a quarter of a small machine's memory; an 8K picture still keeps one step.
  static constexpr std::size_t kDefaultBudget = std::size_t{1} << 30;

  explicit EditHistory(std::size_t budget = kDefaultBudget) : budget_(budget) {}

  void Record(DocumentState before);
  bool CanUndo() const { return !undo_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }
  // Each puts the document into the state before (after) the step and keeps the state it left
  // for the opposite direction. False when there is no step.
  bool Undo(ImageDocument& document);
  bool Redo(ImageDocument& document);
  // A picture read anew starts a history of its own.
  void Clear();

  std::size_t Steps() const { return undo_.size(); }
  std::size_t Bytes() const { return bytes_; }

 private:
  bool Step(std::deque<DocumentState>& from, std::deque<DocumentState>& to,
            ImageDocument& document);
  void Trim();

  std::size_t budget_;
  std::size_t bytes_ = 0;
  std::deque<DocumentState> undo_;
  std::deque<DocumentState> redo_;
};

}  // namespace pixmora

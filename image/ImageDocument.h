#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "image/DocumentView.h"
#include "image/EditStep.h"
#include "image/ImageMode.h"
#include "image/TBitmap32.h"
#include "platform/MessageBox.h"

namespace pixmora {

// Why the image is being (re)read; the origins differ only in the first steps of a load.
enum class LoadOrigin { Dialog, Reload, RecentFile, Drop, ExternalChange, ModeChange };

// The monochrome threshold scroll bar's range; a load puts it back to the middle.
inline constexpr int kThresholdMaximum = 16777215;
inline constexpr int kDefaultThresholdPosition = kThresholdMaximum / 2;

// The texts the main window shows about the open file and the image mode, named after the
// controls that show them. They start as the controls' captions before the first load.
struct DocumentTexts {
  std::string lblColors = "Colors:";
  std::string lblAnimations = "Animations:";
  std::string lblConvertMode = "Convert mode:";
  std::string mnuImageMode2 = "Color";  // the image mode drop-down
  std::string lblImageName = "Name:";
  std::string lblImageDimensions = "Dimensions:";
  std::string lblName = "Name:";
  std::string lblSize = "Size:";
  std::string lblDimensions = "Dimensions:";
};

// The open image file, the working image with its copies, the file's palette and frames, and
// the flags the editing commands keep. One instance lives as long as the main window.
struct ImageFileRead;

class ImageDocument {
 public:
  ImageDocument(DocumentView& view, MessageBoxService& messages)
      : view_(view), messages_(messages) {}

  // The load. Dialog asks the view for the file; Reload, ExternalChange and ModeChange read
  // CurrentFileName again. A load that does not happen (cancelled, or a file that cannot be
  // read, reported through the view) leaves the document as it was: file name, image, frames,
  // output, watch, recent files, and an edit not saved with its question. True when it happened.
  bool mnuOpenClick(LoadOrigin origin);
  // The load of a named file: RecentFile and Drop (the command line loads as a Drop).
  bool mnuOpenClick(LoadOrigin origin, const std::string& fileName);

  // Next / previous frame of an animated GIF, wrapping around the file's current frame count.
  void mnuNextClick();
  void mnuPreviousClick();

  // Saves the working image as a 32-bit BMP and makes the saved file the document's file.
  // A failed write is reported through the view; ImageChanged and CurrentFileName then stay.
  bool SaveImage(const std::string& fileName);

  // Sets the image mode with its label and drop-down texts and shows them.
  void SetImageMode(pixmora::ImageMode mode);
  // The palette fields of a file read (a file without a palette keeps the previous table).
  void TakePalette(const ImageFileRead& read);

  // ImageWidth / ImageHeight and the two dimension texts from the working image's size.
  void RefreshImageSize();

  // The window side, for the editing commands that run on the document.
  DocumentView& View() { return view_; }

  std::string CurrentFileName;
  TBitmap32 WorkingImage;
  TBitmap32 ColorImageCopy;  // the image as the last load decoded it
  // Off for a run whose edits never go back to the loaded image (the command line without
  // edits): the copy would cost the picture's size again.
  bool KeepsLoadedCopy = true;
  TBitmap32 PaletteImageCopy;  // the result of the last color reduction
  TBitmap32 ThresholdSource;
  TBitmap32 ThresholdUndoCopy;
  // The edits that made each image of the picture as the load decoded it, in order: an
  // export of every frame runs them again on each frame.
  std::vector<EditStep> Edits;  // of WorkingImage
  std::vector<EditStep> PaletteCopyEdits;
  std::vector<EditStep> ThresholdSourceEdits;
  std::vector<EditStep> ThresholdUndoEdits;
  std::uint16_t ImageWidth = 0;   // low 16 bits of the working image's size; the conversion
  std::uint16_t ImageHeight = 0;  // reads these

  bool HasPalette = false;
  std::int32_t PaletteColorCount = 0;
  std::vector<std::uint32_t> ColorTable;  // 0x00BBGGRR in palette order
  // The palette of PaletteImageCopy, kept by the color reduction: a mode switch that restores
  // PaletteImageCopy restores this palette into ColorTable and PaletteColorCount too, so a
  // Palette conversion of the reduced image finds every pixel.
  std::vector<std::uint32_t> PaletteImageColorTable;

  bool IsAnimated = false;
  int FrameCount = 0;  // 0 unless the GIF has two or more frames
  int FrameIndex = 0;

  pixmora::ImageMode ImageMode = pixmora::ImageMode::Color;

  bool ImageChanged = false;
  bool ImageResampled = false;
  bool ImageCropped = false;
  bool ThresholdSourceStale = true;
  bool IgnoreNextChange = false;

  DocumentTexts Texts;

 private:
  bool Load(LoadOrigin origin, std::optional<std::string> fileName);
  bool AskToSaveChanges();
  void ReleaseCopies();
  int FramesOnDisk();
  void ShowFrame(int frameIndex);
  std::string AnimationsText() const;

  DocumentView& view_;
  MessageBoxService& messages_;
};

}  // namespace pixmora

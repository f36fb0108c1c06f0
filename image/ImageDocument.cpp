#include "image/ImageDocument.h"

#include "image/BmpWriter.h"
#include "image/FileSizeText.h"
#include "image/ReadImageFile.h"

namespace pixmora {

namespace {

const char* ModeCaption(ImageMode mode) {
  switch (mode) {
    case ImageMode::Monochrome:
      return "Monochrome";
    case ImageMode::Palette:
      return "Palette";
    case ImageMode::Color:
      break;
  }
  return "Color";
}

std::string BaseName(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

bool ImageDocument::mnuOpenClick(LoadOrigin origin) {
  return Load(origin, std::nullopt);
}

bool ImageDocument::mnuOpenClick(LoadOrigin origin, const std::string& fileName) {
  return Load(origin, fileName);
}

bool ImageDocument::Load(LoadOrigin origin, std::optional<std::string> fileName) {
  if (!AskToSaveChanges())
    return false;
  if (origin == LoadOrigin::Dialog) {
    fileName = view_.AskOpenImageName();
    if (!fileName)
      return false;
  } else if (!fileName) {
    fileName = CurrentFileName;
  }
  // The file is read before anything changes: one that cannot be read changes nothing.
  const int frameIndex = origin == LoadOrigin::ModeChange ? FrameIndex : 0;
  ImageFileRead read = ReadImageFile(*fileName, frameIndex);
  if (!read.ok) {
    view_.ReportError(read.error);
    return false;
  }

  CurrentFileName = *fileName;
  FrameIndex = frameIndex;
  // The image that was not saved when the question came is replaced now.
  ImageChanged = false;
  if (origin != LoadOrigin::ModeChange) {
    view_.EnableImageCommands();
    if (origin == LoadOrigin::Dialog || origin == LoadOrigin::Drop)
      view_.AddRecentFile(CurrentFileName);
    // A file opened anew is a new document: Save Image asks for its name again.
    if (origin == LoadOrigin::Dialog || origin == LoadOrigin::Drop ||
        origin == LoadOrigin::RecentFile) {
      view_.ForgetSaveImageName();
    }
    ImageResampled = false;
    ReleaseCopies();
  }

  view_.ClearOutput();
  view_.SetThresholdPosition(kDefaultThresholdPosition);
  ThresholdSourceStale = true;
  view_.WatchFile(CurrentFileName);
  view_.ResetColorSwatches();
  TakePalette(read);
  IsAnimated = read.isAnimated;
  FrameCount = read.frameCount;

  Texts.lblColors = HasPalette ? "Colors: " + std::to_string(PaletteColorCount) : "Colors: 16M";
  Texts.lblAnimations = AnimationsText();
  view_.ShowFileInformation(*this);
  view_.EnablePaletteMode(HasPalette);
  view_.EnableFrameCommands(IsAnimated);

  if (ImageResampled) {
    if (ImageMode == pixmora::ImageMode::Palette) {
      WorkingImage = PaletteImageCopy;
      Edits = PaletteCopyEdits;
      if (!PaletteImageColorTable.empty()) {
        ColorTable = PaletteImageColorTable;
        PaletteColorCount = static_cast<std::int32_t>(PaletteImageColorTable.size());
      }
    } else {
      WorkingImage = ColorImageCopy;
      Edits.clear();
    }
    view_.EnablePaletteMode(true);
    HasPalette = true;
  } else {
    CopyStaging(read.staging, WorkingImage);
    Edits.clear();
    if (KeepsLoadedCopy)
      ColorImageCopy = WorkingImage;
  }
  view_.ShowWorkingImage(*this);

  if (origin != LoadOrigin::ModeChange) {
    SetImageMode(HasPalette ? pixmora::ImageMode::Palette : pixmora::ImageMode::Color);
  }

  RefreshImageSize();
  view_.ResetCropSelection(WorkingImage.Width(), WorkingImage.Height());
  ImageCropped = false;
  view_.RecreatePixelGrid(WorkingImage.Width(), WorkingImage.Height());

  Texts.lblImageName = CurrentFileName;
  Texts.lblName = "Name: " + BaseName(CurrentFileName);
  Texts.lblSize = "Size: " + GetFileSizeText(CurrentFileName) + " bytes";
  view_.ShowImageTexts(*this);
  return true;
}

void ImageDocument::mnuNextClick() {
  const int count = FramesOnDisk();
  if (count <= 0)
    return;
  ShowFrame(FrameIndex + 1 >= count ? 0 : FrameIndex + 1);
}

void ImageDocument::mnuPreviousClick() {
  const int count = FramesOnDisk();
  if (count <= 0)
    return;
  // Also when the file on disk now has fewer frames than the one shown.
  const int previous = FrameIndex - 1;
  ShowFrame(previous < 0 || previous >= count ? count - 1 : previous);
}

int ImageDocument::FramesOnDisk() {
  ImageFileRead read = ReadImageFile(CurrentFileName, 0);
  if (!read.ok) {
    view_.ReportError(read.error);
    return 0;
  }
  return read.isAnimated ? read.frameCount : 1;
}

void ImageDocument::ShowFrame(int frameIndex) {
  // A cancelled or failed load leaves the previous frame on screen; the index and the
  // reduction flag keep describing it.
  const int shownFrame = FrameIndex;
  const bool shownResampled = ImageResampled;
  FrameIndex = frameIndex;
  ImageResampled = false;
  if (!mnuOpenClick(LoadOrigin::ModeChange)) {
    FrameIndex = shownFrame;
    ImageResampled = shownResampled;
    return;
  }
  SetImageMode(HasPalette ? pixmora::ImageMode::Palette : pixmora::ImageMode::Color);
  Texts.lblAnimations = AnimationsText();
  view_.ShowFileInformation(*this);
}

bool ImageDocument::SaveImage(const std::string& fileName) {
  IgnoreNextChange = true;
  if (std::string error = WriteBmp32(WorkingImage, fileName); !error.empty()) {
    view_.ReportError(error);
    return false;
  }
  ImageChanged = false;
  CurrentFileName = fileName;
  return true;
}

void ImageDocument::TakePalette(const ImageFileRead& read) {
  HasPalette = read.hasPalette;
  PaletteColorCount = read.paletteColorCount;
  read.FillColorTable(ColorTable);
}

void ImageDocument::SetImageMode(pixmora::ImageMode mode) {
  ImageMode = mode;
  Texts.mnuImageMode2 = ModeCaption(mode);
  Texts.lblConvertMode = std::string("Convert mode: ") + ModeCaption(mode);
  view_.ShowImageMode(*this);
}

void ImageDocument::RefreshImageSize() {
  ImageWidth = static_cast<std::uint16_t>(WorkingImage.Width());
  ImageHeight = static_cast<std::uint16_t>(WorkingImage.Height());
  Texts.lblImageDimensions =
      "Dimensions: " + std::to_string(ImageWidth) + " x " + std::to_string(ImageHeight);
  Texts.lblDimensions = Texts.lblImageDimensions;
}

bool ImageDocument::AskToSaveChanges() {
  if (!ImageChanged)
    return true;
  const MessageResult answer =
      messages_.Show("Image has been changed.\nDo you want to save it?", "Image change",
                     MessageIcon::Question, MessageButtons::YesNoCancel);
  if (answer == MessageResult::Cancel)
    return false;
  // No, or Yes with the save dialog cancelled: the load goes on, and the load clears the flag
  // when it replaces the image. A load that then does not happen keeps the edit and its flag.
  if (answer != MessageResult::Yes)
    return true;
  std::optional<std::string> name = view_.AskSaveImageName();
  if (!name)
    return true;
  if (std::string error = WriteBmp32(WorkingImage, *name); !error.empty()) {
    // The edited image was not saved: keep it, and the question for the next load.
    view_.ReportError(error);
    return false;
  }
  ImageChanged = false;
  return true;
}

// The copies that only an earlier file's edits use; a reduction or the threshold window makes
// them again when they are needed.
void ImageDocument::ReleaseCopies() {
  PaletteImageCopy = TBitmap32();
  PaletteImageColorTable = std::vector<std::uint32_t>();
  ThresholdSource = TBitmap32();
  ThresholdUndoCopy = TBitmap32();
  PaletteCopyEdits.clear();
  ThresholdSourceEdits.clear();
  ThresholdUndoEdits.clear();
}

std::string ImageDocument::AnimationsText() const {
  if (!IsAnimated)
    return "Animations: 0 from 0";
  return "Animations: " + std::to_string(FrameIndex + 1) + " from " + std::to_string(FrameCount);
}

}  // namespace pixmora

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

// The working image takes the staging picture over; only a 32-bit BMP keeps its fourth bytes.
// The transparency that the opaque pixels hide stays beside them for the targets.
void CopyStaging(DecodedPicture& staging, TBitmap32& image) {
  if (staging.keepsAlpha) {
    image.SetSize(staging.width, staging.height);
    image.Pixels() = std::move(staging.pixels);
  } else {
    image.AssignOpaque(staging.width, staging.height, std::move(staging.pixels));
  }
  image.SetCoverage(std::move(staging.coverage), staging.blendedOver);
}

}  // namespace

void ImageDocument::mnuOpenClick(LoadOrigin origin) {
  Load(origin);
}

bool ImageDocument::Load(LoadOrigin origin) {
  if (!AskToSaveChanges())
    return false;

  switch (origin) {
    case LoadOrigin::ModeChange:
      break;
    case LoadOrigin::Dialog: {
      std::optional<std::string> chosen = view_.AskOpenImageName();
      if (!chosen)
        return false;
      CurrentFileName = *chosen;
      FrameIndex = 0;
      view_.EnableImageCommands();
      view_.AddRecentFile(CurrentFileName);
      ImageResampled = false;
      break;
    }
    case LoadOrigin::Reload:
    case LoadOrigin::RecentFile:
    case LoadOrigin::ExternalChange:
    case LoadOrigin::Drop:
      FrameIndex = 0;
      view_.EnableImageCommands();
      ImageResampled = false;
      if (origin == LoadOrigin::Drop)
        view_.AddRecentFile(CurrentFileName);
      break;
  }

  view_.ClearOutput();
  view_.SetThresholdPosition(kDefaultThresholdPosition);
  ThresholdSourceStale = true;
  HasPalette = false;
  IsAnimated = false;
  view_.WatchFile(CurrentFileName);

  PaletteColorCount = 0;
  view_.ResetColorSwatches();
  ImageFileRead read = ReadImageFile(CurrentFileName, FrameIndex);
  if (!read.ok) {
    view_.ReportError(read.error);
    return false;
  }
  HasPalette = read.hasPalette;
  PaletteColorCount = read.paletteColorCount;
  read.FillColorTable(ColorTable);
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
      if (!PaletteImageColorTable.empty()) {
        ColorTable = PaletteImageColorTable;
        PaletteColorCount = static_cast<std::int32_t>(PaletteImageColorTable.size());
      }
    } else {
      WorkingImage = ColorImageCopy;
    }
    view_.EnablePaletteMode(true);
    HasPalette = true;
  } else {
    CopyStaging(read.staging, WorkingImage);
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
  if (!Load(LoadOrigin::ModeChange)) {
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
  ImageChanged = false;
  if (answer != MessageResult::Yes)
    return true;
  std::optional<std::string> name = view_.AskSaveImageName();
  if (!name)
    return true;
  if (std::string error = WriteBmp32(WorkingImage, *name); !error.empty()) {
    // The edited image was not saved: keep it, and the question for the next load.
    ImageChanged = true;
    view_.ReportError(error);
    return false;
  }
  return true;
}

std::string ImageDocument::AnimationsText() const {
  if (!IsAnimated)
    return "Animations: 0 from 0";
  return "Animations: " + std::to_string(FrameIndex + 1) + " from " + std::to_string(FrameCount);
}

}  // namespace pixmora

#include "image/DocumentEdits.h"

#include <cmath>
#include <new>

#include "image/ImageLimits.h"
#include "image/ResizeRules.h"
#include "image/Threshold.h"

namespace pixmora {
namespace {

void ShowEditedImage(ImageDocument& document, bool resetSelection) {
  document.ThresholdSourceStale = true;
  document.RefreshImageSize();
  document.View().ShowWorkingImage(document);
  if (resetSelection) {
    document.View().ResetCropSelection(document.WorkingImage.Width(),
                                       document.WorkingImage.Height());
  }
}

int Rounded(float value) {
  return static_cast<int>(std::lround(value));
}

}  // namespace

void RotateImageRight(ImageDocument& document) {
  document.WorkingImage = RotateRight(document.WorkingImage);
  document.Edits.push_back({EditKind::Rotate, "Rotate right", {1}});
  ShowEditedImage(document, true);
}

void RotateImageLeft(ImageDocument& document) {
  document.WorkingImage = RotateLeft(document.WorkingImage);
  document.Edits.push_back({EditKind::Rotate, "Rotate left", {-1}});
  ShowEditedImage(document, true);
}

void FlipImageHorizontal(ImageDocument& document) {
  FlipHorizontal(document.WorkingImage);
  document.Edits.push_back({EditKind::Flip, "Flip horizontal", {0}});
  ShowEditedImage(document, false);
}

void FlipImageVertical(ImageDocument& document) {
  FlipVertical(document.WorkingImage);
  document.Edits.push_back({EditKind::Flip, "Flip vertical", {1}});
  ShowEditedImage(document, false);
}

std::string CropWorkingImage(ImageDocument& document, const TCropRect& selection) {
  const TCropResult result = CropImage(document.WorkingImage, selection);
  if (!result.Ok)
    return result.Message;
  document.Edits.push_back({EditKind::Crop,
                            "Crop",
                            {Rounded(selection.Left), Rounded(selection.Top),
                             Rounded(selection.Right), Rounded(selection.Bottom)}});
  document.ImageCropped = true;
  document.ImageChanged = true;
  ShowEditedImage(document, true);
  return {};
}

std::string ResizeWorkingImage(ImageDocument& document, const std::string& widthText,
                               const std::string& heightText, ResampleFilter filter) {
  const TNewSize size = CheckNewSize(widthText, heightText);
  if (!size.Ok())
    return size.Message;
  // The same limit as for a decoded picture: 65535 x 65535 would ask for 17 GB.
  if (const std::string tooLarge = CheckImageSize(size.Width, size.Height); !tooLarge.empty())
    return "Can't resize: " + tooLarge;
  try {
    TBitmap32 resized(size.Width, size.Height);
    TKernelResampler::Resample(document.WorkingImage, resized, filter);
    document.WorkingImage = std::move(resized);
    document.Edits.push_back({EditKind::Resize, "Resize", {size.Width, size.Height}, filter});
  } catch (const std::bad_alloc&) {
    return "Not enough memory for an image of " + std::to_string(size.Width) + " x " +
           std::to_string(size.Height) + " pixels.";
  }
  document.ImageChanged = true;
  ShowEditedImage(document, true);
  return {};
}

void RefreshThresholdSource(ImageDocument& document) {
  if (!document.ThresholdSourceStale)
    return;
  document.ThresholdSource = document.WorkingImage;
  document.ThresholdSourceEdits = document.Edits;
  document.ThresholdSourceStale = false;
}

void ApplyThreshold(ImageDocument& document, std::uint32_t position) {
  ApplyThreshold(document.ThresholdSource, position, document.WorkingImage);
  document.Edits = document.ThresholdSourceEdits;
  document.Edits.push_back({EditKind::Threshold, "Threshold", {static_cast<int>(position)}});
  document.View().ShowWorkingImage(document);
}

void StartThreshold(ImageDocument& document, std::uint32_t position) {
  RefreshThresholdSource(document);
  document.SetImageMode(ImageMode::Monochrome);
  ApplyThreshold(document, position);
  document.ThresholdUndoCopy = document.WorkingImage;
  document.ThresholdUndoEdits = document.Edits;
}

void CancelThreshold(ImageDocument& document) {
  document.WorkingImage = document.ThresholdUndoCopy;
  document.Edits = document.ThresholdUndoEdits;
  document.View().ShowWorkingImage(document);
}

bool SwitchImageMode(ImageDocument& document, ImageMode mode, std::uint32_t thresholdPosition) {
  if (mode == ImageMode::Palette && !document.HasPalette)
    return false;
  const ImageMode previous = document.ImageMode;
  document.SetImageMode(mode);
  if (mode == ImageMode::Monochrome) {
    document.View().ClearOutput();
    StartThreshold(document, thresholdPosition);
  } else if (!document.mnuOpenClick(LoadOrigin::ModeChange)) {
    // The image shown is still the one of the mode before.
    document.SetImageMode(previous);
  }
  return true;
}

}  // namespace pixmora

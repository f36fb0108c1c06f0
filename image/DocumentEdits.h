#pragma once

#include <cstdint>
#include <string>

#include "image/Geometry.h"
#include "image/ImageDocument.h"
#include "image/KernelResampler.h"

namespace pixmora {

// The editing commands on the document's working image. Each refreshes ImageWidth,
// ImageHeight and the dimension texts and keeps the document's flags; none touches
// ColorImageCopy, PaletteImageCopy or the palette fields.

// A quarter turn; the crop selection is reset.
void RotateImageRight(ImageDocument& document);
void RotateImageLeft(ImageDocument& document);
// Mirrors in place; the crop selection keeps its place.
void FlipImageHorizontal(ImageDocument& document);
void FlipImageVertical(ImageDocument& document);

// Crops to the selection. A refused crop (empty, or reaching outside the image) returns its
// message and changes nothing.
std::string CropWorkingImage(ImageDocument& document, const TCropRect& selection);

// Resamples to the size given by the two field texts. A size that is not a whole number from 1
// to 65535, or that does not fit in memory, is refused with a message and changes nothing.
std::string ResizeWorkingImage(ImageDocument& document, const std::string& widthText,
                               const std::string& heightText, ResampleFilter filter);

// The threshold source is taken from the working image again after a load or a geometric edit.
void RefreshThresholdSource(ImageDocument& document);
// Working image := ThresholdSource thresholded at position.
void ApplyThreshold(ImageDocument& document, std::uint32_t position);
// What showing the threshold window does: Monochrome mode, the threshold at position, and the
// thresholded image kept for Cancel in ThresholdUndoCopy.
void StartThreshold(ImageDocument& document, std::uint32_t position);
// Cancel in the threshold window: back to the image thresholded when the window opened.
void CancelThreshold(ImageDocument& document);

// The image mode switch: Color and Palette reload the image (the decoded file, or a copy after
// a color reduction); Monochrome thresholds the working image at thresholdPosition. Palette
// needs HasPalette: without it nothing happens and false is returned. A reload that fails
// keeps the mode, the image and the output as they were.
bool SwitchImageMode(ImageDocument& document, ImageMode mode, std::uint32_t thresholdPosition);

}  // namespace pixmora

#pragma once

#include <span>
#include <string>

#include "image/EditStep.h"
#include "image/ImageDocument.h"

namespace pixmora {

// Runs one edit on the document's working image. Returns an empty text, or the message that
// refuses it, after the option.
std::string ApplyEdit(const EditStep& step, ImageDocument& document, ResampleFilter filter);

// A Palette conversion after a reduction reduces the image again when a later resize or
// threshold brought in colors the reduced palette lacks, as the desktop's Convert repeats the
// reduction; otherwise a linear resize would end in "Can't find a pixel palette entry".
std::string RepeatReductionAfterLaterEdits(std::span<const EditStep> edits,
                                           ImageDocument& document);

bool HasThreshold(std::span<const EditStep> edits);

// Monochrome mode reached without a threshold: the image is thresholded after all edits at the
// position the desktop's mode switch uses.
void ApplyDefaultThreshold(ImageDocument& document);

}  // namespace pixmora

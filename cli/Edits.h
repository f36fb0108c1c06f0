#pragma once

#include <span>
#include <string>

#include "cli/CliOptions.h"
#include "image/ImageDocument.h"

namespace pixmora::cli {

// Runs one edit of the command line on the document's working image. Returns an empty text,
// or the usage error that refuses it.
std::string ApplyEdit(const EditStep& step, ImageDocument& document, ResampleFilter filter);

// A Palette conversion after --reduce reduces the image again when a later --resize or
// --threshold brought in colors the reduced palette lacks, as the desktop's Convert repeats the
// reduction; otherwise a linear resize would end in "Can't find a pixel palette entry".
std::string RepeatReductionAfterLaterEdits(std::span<const EditStep> edits,
                                           ImageDocument& document);

// The mode after a load, unless --mode names one: --reduce makes it Palette and --threshold
// Monochrome, the later of them winning.
ImageMode ChooseMode(const CliOptions& o, bool hasPalette);
bool HasThreshold(const CliOptions& o);

// Monochrome mode reached without --threshold: the image is thresholded after all edits at the
// position the desktop's mode switch uses.
void ApplyDefaultThreshold(ImageDocument& document);

}  // namespace pixmora::cli

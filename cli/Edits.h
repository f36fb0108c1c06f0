#pragma once

#include <string>

#include "cli/CliOptions.h"
#include "image/ImageDocument.h"

namespace pixmora::cli {

// Runs one edit of the command line on the document's working image. Returns an empty text,
// or the usage error that refuses it.
std::string ApplyEdit(const EditStep& step, ImageDocument& document, ResampleFilter filter);

// Monochrome mode reached without --threshold: the image is thresholded after all edits at the
// position the desktop's mode switch uses.
void ApplyDefaultThreshold(ImageDocument& document);

}  // namespace pixmora::cli

#include "cli/Edits.h"

#include "image/DocumentEdits.h"

namespace pixmora::cli {

namespace {

// One function per edit option; each works on the current working image.

std::string NotYetAvailable(const EditStep& step) {
  return step.option + ": not yet available";
}

std::string Rotate(const EditStep& step, ImageDocument&) {
  return NotYetAvailable(step);
}

std::string Flip(const EditStep& step, ImageDocument&) {
  return NotYetAvailable(step);
}

std::string Crop(const EditStep& step, ImageDocument&) {
  return NotYetAvailable(step);
}

std::string Resize(const EditStep& step, ImageDocument&, ResampleFilter) {
  return NotYetAvailable(step);
}

std::string Threshold(const EditStep& step, ImageDocument&) {
  return NotYetAvailable(step);
}

std::string Reduce(const EditStep& step, ImageDocument&) {
  return NotYetAvailable(step);
}

}  // namespace

std::string ApplyEdit(const EditStep& step, ImageDocument& document, ResampleFilter filter) {
  switch (step.kind) {
    case EditKind::Rotate:
      return Rotate(step, document);
    case EditKind::Flip:
      return Flip(step, document);
    case EditKind::Crop:
      return Crop(step, document);
    case EditKind::Resize:
      return Resize(step, document, filter);
    case EditKind::Threshold:
      return Threshold(step, document);
    case EditKind::Reduce:
      return Reduce(step, document);
  }
  return NotYetAvailable(step);
}

void ApplyDefaultThreshold(ImageDocument& document) {
  StartThreshold(document, kDefaultThresholdPosition);
}

}  // namespace pixmora::cli

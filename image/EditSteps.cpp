#include "image/EditSteps.h"

#include <algorithm>
#include <bit>

#include "image/ColorReduction.h"
#include "image/DocumentEdits.h"

namespace pixmora {

namespace {

std::string Refused(const EditStep& step, const std::string& reason) {
  return reason.empty() ? reason : step.option + ": " + reason;
}

// Every threshold of a list works on the image as the edits before it left it, not on a source
// taken by an earlier threshold.
void ThresholdWorkingImage(ImageDocument& document, int position) {
  document.ThresholdSourceStale = true;
  StartThreshold(document, static_cast<std::uint32_t>(position));
}

}  // namespace

std::string ApplyEdit(const EditStep& step, ImageDocument& document, ResampleFilter filter) {
  const int* v = step.values;
  switch (step.kind) {
    case EditKind::Rotate:
      if (v[0] > 0) {
        RotateImageRight(document);
      } else {
        RotateImageLeft(document);
      }
      return {};
    case EditKind::Flip:
      if (v[0] == 0) {
        FlipImageHorizontal(document);
      } else {
        FlipImageVertical(document);
      }
      return {};
    case EditKind::Crop: {
      const TCropRect rect{static_cast<float>(v[0]), static_cast<float>(v[1]),
                           static_cast<float>(v[2]), static_cast<float>(v[3])};
      return Refused(step, CropWorkingImage(document, rect));
    }
    case EditKind::Resize:
      return Refused(step, ResizeWorkingImage(document, std::to_string(v[0]), std::to_string(v[1]),
                                              step.filter.value_or(filter)));
    case EditKind::Threshold:
      ThresholdWorkingImage(document, v[0]);
      return {};
    case EditKind::Reduce:
      return Refused(step, ReduceColorsFrom(document, document.WorkingImage,
                                            std::countr_zero(static_cast<unsigned>(v[0]))));
  }
  return step.option + ": unknown edit";
}

std::string RepeatReductionAfterLaterEdits(std::span<const EditStep> edits,
                                           ImageDocument& document) {
  const EditStep* lastReduce = nullptr;
  bool colorsAdded = false;
  for (const EditStep& edit : edits) {
    if (edit.kind == EditKind::Reduce) {
      lastReduce = &edit;
      colorsAdded = false;
    } else if (edit.kind == EditKind::Resize || edit.kind == EditKind::Threshold) {
      colorsAdded = true;
    }
  }
  if (!lastReduce || !colorsAdded)
    return {};
  return ApplyEdit(*lastReduce, document, ResampleFilter::Linear);
}

bool HasThreshold(std::span<const EditStep> edits) {
  return std::any_of(edits.begin(), edits.end(),
                     [](const EditStep& edit) { return edit.kind == EditKind::Threshold; });
}

void ApplyDefaultThreshold(ImageDocument& document) {
  ThresholdWorkingImage(document, kDefaultThresholdPosition);
}

}  // namespace pixmora

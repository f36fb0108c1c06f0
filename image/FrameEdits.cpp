#include "image/FrameEdits.h"

#include <bit>

#include "image/ConsoleDocumentView.h"
#include "image/FramePalette.h"

namespace pixmora {

std::string EditFrames(FrameSet& set, std::span<const EditStep> edits, ResampleFilter filter,
                       bool threshold) {
  ConsoleDocumentView view;
  ConsoleMessages messages;
  ImageDocument document(view, messages);
  const EditStep* lastReduce = nullptr;
  for (AnimationFrame& frame : set.frames) {
    document.WorkingImage = std::move(frame.image);
    document.ColorImageCopy = document.WorkingImage;
    document.ImageCropped = false;
    document.RefreshImageSize();
    for (const EditStep& edit : edits) {
      if (edit.kind == EditKind::Reduce) {
        lastReduce = &edit;
        continue;
      }
      if (std::string error = ApplyEdit(edit, document, filter); !error.empty())
        return error;
    }
    if (threshold)
      ApplyDefaultThreshold(document);
    frame.image = std::move(document.WorkingImage);
  }
  if (lastReduce) {
    set.palette =
        ReduceFrames(set.frames, std::countr_zero(static_cast<unsigned>(lastReduce->values[0])));
  }
  return {};
}

}  // namespace pixmora

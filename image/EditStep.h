#pragma once

#include <optional>
#include <string>

#include "image/KernelResampler.h"

namespace pixmora {

enum class EditKind { Rotate, Flip, Crop, Resize, Threshold, Reduce };

// One edit of the working image with its values, as the command line asks for it or as the
// desktop did it, so that it can be run again on another picture (every frame of an animation).
struct EditStep {
  EditKind kind;
  std::string option;  // as typed, for messages
  int values[4] = {};  // rotate: +1 right / -1 left; flip: 0 horizontal / 1 vertical;
                       // crop: L, T, R, B; resize: W, H; threshold: N; reduce: colors
  std::optional<ResampleFilter> filter;  // a resize's own; else the filter of the run

  bool operator==(const EditStep&) const = default;
};

}  // namespace pixmora

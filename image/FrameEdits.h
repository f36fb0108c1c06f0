#pragma once

#include <span>
#include <string>

#include "image/EditSteps.h"
#include "image/Frames.h"

namespace pixmora {

// The edits of one picture run on every frame of a set: each edit but the reductions on each
// frame in order, the default threshold after them where `threshold` says, then the last
// reduction over all frames together, which gives the set its one palette. Both programs edit
// frames through here. Returns the message of an edit that is refused, or an empty text.
std::string EditFrames(FrameSet& set, std::span<const EditStep> edits, ResampleFilter filter,
                       bool threshold);

}  // namespace pixmora

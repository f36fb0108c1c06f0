#pragma once

#include "decode/ShownOutput.h"
#include "image/ImageDocument.h"
#include "settings/CustomFormat.h"
#include "settings/Preferences.h"
#include "targets/TargetSettings.h"

namespace pixmora {

// What the display shows of frame FrameIndex of the open GIF: the frame composed as a viewer
// shows it, edited as the document was and converted as "Export All Frames..." converts each
// frame. Empty for a file that has no such frame and for a conversion that is refused.
ShownOutput ComposedFrameOutput(const ImageDocument& document, const Preferences& preferences,
                                const CustomFormat& custom, const TargetSettings& target);

}  // namespace pixmora

#pragma once

#include <string>

#include "image/Frames.h"
#include "image/ImageMode.h"
#include "platform/MessageBox.h"
#include "settings/CustomFormat.h"
#include "settings/Preferences.h"
#include "targets/TargetData.h"

namespace pixmora {

struct FramesConversion {
  ImageMode mode = ImageMode::Color;  // the classic output's; a target reads the frames as they are
  const Preferences& preferences;
  const CustomFormat& custom;
  const TargetSettings& target;
  std::string name;  // a C identifier
  bool delta = false;
};

// One table of the frames for the classic output (in Palette mode with one color table of
// every frame's colors) or for the target. Both programs convert frames through here.
TargetResult ConvertFrameSet(const FrameSet& set, const FramesConversion& conversion,
                             MessageBoxService& messages);

}  // namespace pixmora

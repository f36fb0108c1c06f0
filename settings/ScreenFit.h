#pragma once

#include <span>

#include "settings/SettingsFile.h"

namespace pixmora {

// The bounds with their frame moved into the area they overlap most, or into the first area
// when they overlap none; a window larger than that area is made as large as it. No areas:
// the bounds as they are.
WindowBounds FitOnScreens(const WindowBounds& bounds, const FrameMargins& frame,
                          std::span<const WindowBounds> areas);

}  // namespace pixmora

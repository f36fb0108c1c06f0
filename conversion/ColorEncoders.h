#pragma once

#include <cstdint>

#include "conversion/ProgressSink.h"
#include "conversion/WorkingData.h"
#include "image/TBitmap32.h"

namespace pixmora {

// The direct color encoders: every pixel by truncation to 3-3-2, 4-4-4 or 5-6-5, as byte values
// in pixel order. Each returns false when cancelled, leaving `data` partly written. The image
// must hold width x height pixels.
bool Encode332(const TBitmap32& image, std::uint16_t width, std::uint16_t height, WorkingData& data,
               Progress& progress);
bool Encode444(const TBitmap32& image, std::uint16_t width, std::uint16_t height, WorkingData& data,
               Progress& progress);
bool Encode565(const TBitmap32& image, std::uint16_t width, std::uint16_t height, WorkingData& data,
               Progress& progress);

}  // namespace pixmora

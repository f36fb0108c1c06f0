#pragma once

#include <cstdint>
#include <span>

#include "decode/ClassicLayout.h"
#include "image/TBitmap32.h"
#include "targets/TargetSettings.h"

namespace pixmora {

// What a display should show of the working image after a conversion: the picture as the
// encoding quantizes it, widened as the decoders widen what they read. --verify compares the
// decoded output with it, so it is worked out from the pixels, apart from any layout.

// Colors truncated to their bits; monochrome black exactly where the pixel is pure black;
// palette pixels as the 5-6-5 color of the first table entry (0x00BBGGRR) of their color.
TBitmap32 ExpectedClassicPicture(const TBitmap32& image, ClassicEncoding encoding,
                                 std::span<const std::uint32_t> table);

// The target's pixel rule (blending, luma, truncation or dithering) for every pixel; index
// targets show the pixel's own color (through 5-6-5 for index4 and index8).
TBitmap32 ExpectedTargetPicture(const TBitmap32& image, const TargetSettings& settings);

}  // namespace pixmora

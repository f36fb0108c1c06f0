#pragma once

#include <cstdint>
#include <string>

#include "targets/TargetData.h"

namespace pixmora {

// One function per layout family.
TargetResult EncodeBitmap(const TargetInput& input);      // gfx-bitmap, xbm
TargetResult EncodePages(const TargetInput& input);       // pages
TargetResult EncodeRgb565(const TargetInput& input);      // rgb565
TargetResult EncodeByteColor(const TargetInput& input);   // rgb332, gray8
TargetResult EncodePackedGray(const TargetInput& input);  // gray4, gray2
TargetResult EncodeIndexed(const TargetInput& input);     // index4, index8
TargetResult EncodeLvgl(const TargetInput& input);        // lvgl9

// What every layout starts from: the names, the size macros NAME_WIDTH and NAME_HEIGHT, and
// the note on transparency for targets that blend it.
TargetData StartData(const TargetInput& input);
// --background, or the target's own: white for 1-bit and gray targets, black for color ones.
std::uint32_t BackgroundOf(const TargetInput& input);
// The note on what a set bit of a 1-bit target means.
std::string SetBitNote(const TargetSettings& settings);
// A call's argument for an array that an Adafruit GFX overload reads: the const overloads read
// program memory, so RAM data goes to the non-const ones through a cast.
std::string RamArgument(const TargetArray& array, const char* pointerType);
// Adds NAME_mask and its note: the gfx-bitmap layout, a bit set where the coverage is 128 or more.
const TargetArray& AddMask(const TargetInput& input, TargetData& data);

}  // namespace pixmora

#pragma once

#include <cstdint>
#include <string>

namespace pixmora {

// The largest picture the program holds, decoded or resized: sizes are 16-bit in the
// conversion, and the pixel count keeps one picture within 1 GB.
inline constexpr int kMaxImageSide = 65535;
inline constexpr std::uint64_t kMaxImagePixels = std::uint64_t{1} << 28;

// The reason a size is refused, or an empty text when it is acceptable. Every decoder asks
// this before it allocates from a header field.
std::string CheckImageSize(std::int64_t width, std::int64_t height);

}  // namespace pixmora

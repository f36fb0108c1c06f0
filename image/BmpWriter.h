#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "image/TBitmap32.h"

namespace pixmora {

// A standard uncompressed bitmap file of 32 bits per pixel: 14-byte file header, 40-byte
// information header, no color table, rows bottom-up, each pixel as blue, green, red and
// its alpha byte. The image must fit a BMP file (FitsBmp32).
std::vector<std::uint8_t> EncodeBmp32(const TBitmap32& image);

// Whether the file's 32-bit size fields can hold the image.
bool FitsBmp32(const TBitmap32& image);

// Writes the image as EncodeBmp32 does, replacing the file atomically. Returns an empty text
// on success, else the message naming the file and the reason.
std::string WriteBmp32(const TBitmap32& image, const std::string& fileName);

}  // namespace pixmora

#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "image/TBitmap32.h"
#include "image/codecs/Decoder.h"

namespace pixmora {

// What ReadImageFile makes of a file: its palette and frames, and the staging picture that
// the working image is copied from.
struct ImageFileRead {
  bool ok = false;
  std::string error;  // when !ok: names the file and the reason

  bool hasPalette = false;
  int paletteColorCount = 0;                  // entries read, at most 256
  std::vector<std::uint32_t> paletteEntries;  // those entries, 0x00BBGGRR, palette order
  bool isAnimated = false;
  int frameCount = 0;  // 0 unless the file is a GIF with two or more frames
  DecodedPicture staging;

  // A color table is replaced only by a palette with at least one entry; a file without one
  // leaves the previous table as it was.
  void FillColorTable(std::vector<std::uint32_t>& colorTable) const;
  // The decoder's palette (0x00BBGGRR), at most its first 256 entries.
  void TakePalette(bool filePalette, std::span<const std::uint32_t> palette);
};

// The working image takes the staging picture over; only a 32-bit BMP keeps its fourth bytes.
// The transparency that the opaque pixels hide stays beside them for the targets.
void CopyStaging(DecodedPicture& staging, TBitmap32& image);

// The extension with its dot, upper-cased; empty when the last path component has none.
std::string UpperExtension(const std::string& fileName);

// Reads an image file with the decoder its upper-cased extension names (".JPG"/".JPEG",
// ".ICO", ".PNG", ".GIF", anything else BMP; the content is not sniffed). frameIndex picks
// the frame of an animated GIF. Never throws: every failure comes back as the error text. An
// observer learns of the rows of a PNG picture while they are decoded.
ImageFileRead ReadImageFile(const std::string& fileName, int frameIndex = 0,
                            DecodeObserver* observer = nullptr);

}  // namespace pixmora

#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "decode/PictureCompare.h"
#include "decode/PixelPlaces.h"
#include "image/TBitmap32.h"
#include "targets/TargetData.h"
#include "ui/ExportFiles.h"

namespace pixmora {

// The color that marks a pixel that differs by more than the tolerance (ColorDifference).
inline constexpr std::uint32_t kDifferenceMark = MakePixel(255, 0, 255);

// What the display shows of a conversion's output: the picture decoded from the very bytes the
// conversion made (as a binary export writes them), each pixel's place in them, and the source
// picture it was made from, for the differences.
class ShownOutput {
 public:
  ShownOutput() = default;  // nothing converted
  // The last classic conversion of `source`.
  static ShownOutput OfClassicRun(const ExportSource& run, const TBitmap32& source);
  // A target's data, as EncodeTarget made it of `source` with `settings`.
  static ShownOutput OfTargetRun(const TargetData& data, const TargetSettings& settings,
                                 const TBitmap32& source);

  bool Empty() const { return !made_; }
  // Why the output does not decode (a fault of its encoder); empty when it does.
  const std::string& Error() const { return error_; }
  // As the display shows it, alpha kept; empty when the output does not decode.
  const TBitmap32& Picture() const { return picture_; }
  const TBitmap32& Source() const { return source_; }
  // "65536 colors (5-6-5), compressed: 32 x 16 pixels, 1030 bytes, PSNR 42.66 dB"
  const std::string& Summary() const { return summary_; }
  std::optional<PixelPlace> PlaceOf(int x, int y) const { return places_.At(x, y); }

  // The pixels that differ from the source by more than `tolerance`.
  std::size_t CountDifferences(int tolerance) const;
  // The picture for the screen: what is not opaque over a checkerboard of light grays (cells of
  // 4 pixels); with a tolerance, each pixel that differs by more in kDifferenceMark and the
  // others faded halfway to white.
  TBitmap32 ScreenPicture(std::optional<int> tolerance) const;

 private:
  void Finish(std::string label, std::uint64_t bytes, DecodeOutcome outcome,
              const TBitmap32& source);

  bool made_ = false;
  std::string error_;
  TBitmap32 picture_;
  TBitmap32 source_;
  std::string summary_;
  PixelPlaces places_;
};

// The status bar's text for the pixel (x, y) under the pointer, each part where it is known:
// "x 3, y 0   source #FF0000   shown #F80000   0xF8 0x00 = 0xF800 at offset 12", then
// "   differs by 7" where it differs by more than a tolerance given, and "   (out of date)" for
// an output made before the last edit. `source` is the picture as it is now; empty text for a
// pixel outside it and outside the output.
std::string PixelStatus(int x, int y, const TBitmap32& source, const ShownOutput& shown, bool stale,
                        std::optional<int> tolerance);

// "12 of 512 pixels differ by more than 8", "No pixel differs by more than 8".
std::string DifferencesText(std::size_t differing, std::size_t pixels, int tolerance);

}  // namespace pixmora

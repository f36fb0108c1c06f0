#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace pixmora {

// A target fixes the pixel layout, the element type and the code written, so that the output
// goes unchanged into one library's draw call. Classic is the engine of the desktop program.
enum class TargetKind {
  Classic,
  GfxBitmap,
  Xbm,
  Pages,
  Rgb565,
  Rgb332,
  Gray8,
  Gray4,
  Gray2,
  Index4,
  Index8,
  Lvgl9,
};

// The color formats of an LVGL 9 image descriptor that lvgl9 writes.
enum class LvglFormat {
  RGB565,
  RGB565_SWAPPED,
  RGB888,
  XRGB8888,
  ARGB8888,
  RGB565A8,
  L8,
  A8,
  I1,
  I2,
  I4,
  I8
};

enum class Dither { None, Ordered, FloydSteinberg };

enum class CodeStyle { Header, C };

struct TargetInfo {
  TargetKind kind;
  const char* name;     // as --target and the settings file write it
  const char* summary;  // what it writes, for the help text
};

struct LvglFormatInfo {
  LvglFormat format;
  const char* name;  // as --cf writes it; LV_COLOR_FORMAT_ + name in the code
  std::uint8_t value;
  int bitsPerPixel;  // of the first plane
};

// In enum order.
inline constexpr std::array<TargetInfo, 12> kTargets{{
    {TargetKind::Classic, "classic", "the output of the desktop program's conversion (default)"},
    {TargetKind::GfxBitmap, "gfx-bitmap", "1 bit per pixel, rows padded, leftmost pixel in bit 7"},
    {TargetKind::Xbm, "xbm", "1 bit per pixel, rows padded, leftmost pixel in bit 0 (X bitmap)"},
    {TargetKind::Pages, "pages", "vertical bytes in pages of 8 rows, top row in bit 0"},
    {TargetKind::Rgb565, "rgb565", "16-bit 5-6-5 color per pixel"},
    {TargetKind::Rgb332, "rgb332", "8-bit 3-3-2 color per pixel"},
    {TargetKind::Gray8, "gray8", "8-bit luma per pixel"},
    {TargetKind::Gray4, "gray4", "4-bit luma, two pixels per byte, rows padded"},
    {TargetKind::Gray2, "gray2", "2-bit luma, four pixels per byte, rows padded"},
    {TargetKind::Index4, "index4", "4-bit palette indices with a 16-entry 5-6-5 color map"},
    {TargetKind::Index8, "index8", "8-bit palette indices with a 256-entry 5-6-5 color map"},
    {TargetKind::Lvgl9, "lvgl9", "an LVGL 9 image descriptor in a .c file (--cf)"},
}};

inline constexpr std::array<LvglFormatInfo, 12> kLvglFormats{{
    {LvglFormat::RGB565, "RGB565", 0x12, 16},
    {LvglFormat::RGB565_SWAPPED, "RGB565_SWAPPED", 0x1B, 16},
    {LvglFormat::RGB888, "RGB888", 0x0F, 24},
    {LvglFormat::XRGB8888, "XRGB8888", 0x11, 32},
    {LvglFormat::ARGB8888, "ARGB8888", 0x10, 32},
    {LvglFormat::RGB565A8, "RGB565A8", 0x14, 16},
    {LvglFormat::L8, "L8", 0x06, 8},
    {LvglFormat::A8, "A8", 0x0E, 8},
    {LvglFormat::I1, "I1", 0x07, 1},
    {LvglFormat::I2, "I2", 0x08, 2},
    {LvglFormat::I4, "I4", 0x09, 4},
    {LvglFormat::I8, "I8", 0x0A, 8},
}};

constexpr const TargetInfo& InfoOf(TargetKind kind) {
  return kTargets[static_cast<std::size_t>(kind)];
}
constexpr const LvglFormatInfo& InfoOf(LvglFormat format) {
  return kLvglFormats[static_cast<std::size_t>(format)];
}

// What the choices of a target mean for it.
struct TargetTraits {
  bool oneBit = false;           // sets bits by a luma threshold (--luma-threshold, --invert)
  bool maskable = false;         // --mask adds the 1-bit mask of the masked draw calls
  bool swappable = false;        // 16-bit values whose bytes --swap-bytes exchanges
  bool losesDepth = false;       // --dither has something to do
  bool blends = false;           // transparency is blended over --background
  bool whiteBackground = false;  // ... by default over white, else over black
  bool progmem = false;          // the data goes to program memory (--no-progmem)
  int indexBits = 0;             // an index target: bits per index
};
TargetTraits TraitsOf(TargetKind kind, LvglFormat format);

// How the desktop program lists a target: "Classic", else its name.
const char* TargetCaption(TargetKind kind);

// "rgb565", or "lvgl9 --cf A8": how messages name the chosen target.
std::string TargetLabel(TargetKind kind, LvglFormat format);

}  // namespace pixmora

#include "decode/TargetPainting.h"

#include "decode/ShownColors.h"

namespace pixmora {

namespace {

// Pixel x of a row of values packed `bits` to a byte, the leftmost in the highest bits or,
// with lowFirst, in bit 0.
unsigned Packed(const std::uint16_t* row, std::size_t x, int bits, bool lowFirst) {
  const std::size_t perByte = 8 / static_cast<std::size_t>(bits);
  const int slot = static_cast<int>(x % perByte);
  const int shift = lowFirst ? slot * bits : 8 - bits * (slot + 1);
  return (row[x / perByte] >> shift) & ((1u << bits) - 1);
}

// The first value of a row that holds bits after its last pixel, or bytes up to `stride` that
// are not 0.
std::optional<std::size_t> PaddingFault(const std::uint16_t* row, std::size_t width, int bits,
                                        bool lowFirst, std::size_t stride) {
  const std::size_t usedBits = width * static_cast<std::size_t>(bits);
  const std::size_t full = usedBits / 8;
  if (const int rest = static_cast<int>(usedBits % 8); rest != 0) {
    const unsigned unused = lowFirst ? (0xFFu << rest) & 0xFFu : (1u << (8 - rest)) - 1;
    if (row[full] & unused)
      return full;
  }
  for (std::size_t i = (usedBits + 7) / 8; i < stride; ++i) {
    if (row[i] != 0)
      return i;
  }
  return std::nullopt;
}

PaintFault RowPaddingFault(std::size_t plane, std::size_t index, int y) {
  return {
      "row " + std::to_string(y) + " has bits set after its last pixel, where the layout keeps 0",
      {plane, index}};
}

class Painter {
 public:
  Painter(const TargetLayout& layout, std::span<const Plane> planes, TBitmap32& picture)
      : layout_(layout),
        planes_(planes),
        picture_(picture),
        w_(static_cast<std::size_t>(layout.width)),
        h_(layout.height) {}

  std::optional<PaintFault> Paint() {
    switch (layout_.target) {
      case TargetKind::GfxBitmap:
      case TargetKind::Xbm:
        return OneBitRows(layout_.target == TargetKind::Xbm);
      case TargetKind::Pages:
        return PageRows();
      case TargetKind::Rgb565:
        Each([this](std::uint16_t v) { return Shown565(layout_.swapBytes ? SwapBytes(v) : v); });
        return Mask();
      case TargetKind::Rgb332:
        Each([](std::uint16_t v) { return Shown565(Widen332To565(v)); });
        return std::nullopt;
      case TargetKind::Gray8:
        Each([](std::uint16_t v) { return ShownGray(v, 8); });
        return Mask();
      case TargetKind::Gray4:
        return PackedRows(0, 0, 4, [](unsigned v) { return ShownGray(v, 4); });
      case TargetKind::Gray2:
        return PackedRows(0, 0, 2, [](unsigned v) { return ShownGray(v, 2); });
      case TargetKind::Index4:
      case TargetKind::Index8: {
        const Plane map = planes_[1];
        const auto shown = [map](unsigned v) { return Shown565(map[v]); };
        return PackedRows(0, 0, layout_.target == TargetKind::Index4 ? 4 : 8, shown);
      }
      case TargetKind::Lvgl9:
        return Lvgl();
      case TargetKind::Classic:
        break;
    }
    return std::nullopt;
  }

 private:
  static std::uint16_t SwapBytes(std::uint16_t v) {
    return static_cast<std::uint16_t>(v << 8 | v >> 8);
  }

  template <class Shown>
  void Each(Shown shown) {
    const Plane pixels = planes_[0];
    std::uint32_t* out = picture_.Pixels().data();
    for (std::size_t i = 0; i < pixels.size(); ++i)
      out[i] = shown(pixels[i]);
  }

  // Rows of packed values from `offset` of plane `plane`, `stride` apart (0: just their bytes).
  template <class Shown>
  std::optional<PaintFault> PackedRows(std::size_t plane, std::size_t offset, int bits, Shown shown,
                                       std::size_t stride = 0, bool lowFirst = false) {
    if (stride == 0)
      stride = (w_ * static_cast<std::size_t>(bits) + 7) / 8;
    for (int y = 0; y < h_; ++y) {
      const std::size_t start = offset + static_cast<std::size_t>(y) * stride;
      const std::uint16_t* row = planes_[plane].data() + start;
      if (const auto fault = PaddingFault(row, w_, bits, lowFirst, stride))
        return RowPaddingFault(plane, start + *fault, y);
      std::uint32_t* out = picture_.Row(y);
      if (bits == 8) {
        for (std::size_t x = 0; x < w_; ++x)
          out[x] = shown(row[x]);
      } else {
        for (std::size_t x = 0; x < w_; ++x)
          out[x] = shown(Packed(row, x, bits, lowFirst));
      }
    }
    return std::nullopt;
  }

  std::optional<PaintFault> OneBitRows(bool lowFirst) {
    const bool invert = layout_.invert;
    const auto shown = [invert](unsigned bit) {
      return (bit != 0) != invert ? kShownSetBit : kShownClearBit;
    };
    return PackedRows(0, 0, 1, shown, 0, lowFirst);
  }

  std::optional<PaintFault> PageRows() {
    const Plane bytes = planes_[0];
    for (int y = 0; y < h_; ++y) {
      const std::uint16_t* page = bytes.data() + static_cast<std::size_t>(y / 8) * w_;
      std::uint32_t* out = picture_.Row(y);
      for (std::size_t x = 0; x < w_; ++x)
        out[x] = ((page[x] >> (y % 8)) & 1) != layout_.invert ? kShownSetBit : kShownClearBit;
    }
    if (const int rows = h_ % 8; rows != 0) {
      const std::size_t last = static_cast<std::size_t>(h_ / 8) * w_;
      for (std::size_t x = 0; x < w_; ++x) {
        if (bytes[last + x] >> rows) {
          return PaintFault{
              "the last page has bits set below the picture, where the layout "
              "keeps 0",
              {0, last + x}};
        }
      }
    }
    return std::nullopt;
  }

  // A clear mask bit: the pixel is not drawn.
  std::optional<PaintFault> Mask() {
    if (!layout_.mask)
      return std::nullopt;
    const std::size_t bytesPerRow = (w_ + 7) / 8;
    for (int y = 0; y < h_; ++y) {
      const std::size_t start = static_cast<std::size_t>(y) * bytesPerRow;
      const std::uint16_t* row = planes_[1].data() + start;
      if (const auto fault = PaddingFault(row, w_, 1, false, bytesPerRow))
        return RowPaddingFault(1, start + *fault, y);
      std::uint32_t* out = picture_.Row(y);
      for (std::size_t x = 0; x < w_; ++x) {
        if (Packed(row, x, 1, false) == 0)
          out[x] = WithAlpha(out[x], 0);
      }
    }
    return std::nullopt;
  }

  std::optional<PaintFault> Lvgl() {
    using F = LvglFormat;
    const F format = layout_.colorFormat;
    const std::size_t stride = LvglStride(layout_);
    const Plane map = planes_[0];
    const int bits = InfoOf(format).bitsPerPixel;
    if (IsLvglIndexed(format)) {
      const std::size_t paletteBytes = std::size_t{4} << bits;
      const auto entry = [map](unsigned k) {
        const std::uint16_t* p = map.data() + 4 * std::size_t{k};
        return MakePixel(static_cast<std::uint8_t>(p[2]), static_cast<std::uint8_t>(p[1]),
                         static_cast<std::uint8_t>(p[0]), static_cast<std::uint8_t>(p[3]));
      };
      return PackedRows(0, paletteBytes, bits, entry, stride);
    }
    const auto rowBits = static_cast<int>(LvglRowBytes(format, 1) * 8);
    for (int y = 0; y < h_; ++y) {
      const std::size_t start = static_cast<std::size_t>(y) * stride;
      const std::uint16_t* row = map.data() + start;
      if (const auto fault = PaddingFault(row, w_, rowBits, false, stride))
        return RowPaddingFault(0, start + *fault, y);
      std::uint32_t* out = picture_.Row(y);
      for (std::size_t x = 0; x < w_; ++x)
        out[x] = LvglPixel(format, row, x);
    }
    if (format != F::RGB565A8)
      return std::nullopt;
    // The alpha plane follows the rows, with half their stride.
    const std::size_t alphaStart = stride * static_cast<std::size_t>(h_);
    for (int y = 0; y < h_; ++y) {
      const std::size_t start = alphaStart + static_cast<std::size_t>(y) * (stride / 2);
      const std::uint16_t* row = map.data() + start;
      if (const auto fault = PaddingFault(row, w_, 8, false, stride / 2))
        return RowPaddingFault(0, start + *fault, y);
      std::uint32_t* out = picture_.Row(y);
      for (std::size_t x = 0; x < w_; ++x)
        out[x] = WithAlpha(out[x], row[x]);
    }
    return std::nullopt;
  }

  static std::uint32_t LvglPixel(LvglFormat format, const std::uint16_t* row, std::size_t x) {
    using F = LvglFormat;
    const auto byte = [row](std::size_t i) { return static_cast<std::uint8_t>(row[i]); };
    switch (format) {
      case F::RGB565:
      case F::RGB565A8:
        return Shown565(std::uint32_t{byte(2 * x + 1)} << 8 | byte(2 * x));
      case F::RGB565_SWAPPED:
        return Shown565(std::uint32_t{byte(2 * x)} << 8 | byte(2 * x + 1));
      case F::RGB888:
        return MakePixel(byte(3 * x + 2), byte(3 * x + 1), byte(3 * x));
      case F::XRGB8888:
        return MakePixel(byte(4 * x + 2), byte(4 * x + 1), byte(4 * x));
      case F::ARGB8888:
        return MakePixel(byte(4 * x + 2), byte(4 * x + 1), byte(4 * x), byte(4 * x + 3));
      case F::L8:
        return ShownGray(byte(x), 8);
      case F::A8:
        return MakePixel(0, 0, 0, byte(x));
      default:
        return 0;
    }
  }

  const TargetLayout& layout_;
  std::span<const Plane> planes_;
  TBitmap32& picture_;
  std::size_t w_;
  int h_;
};

}  // namespace

std::uint16_t Widen332To565(std::uint32_t value) {
  static constexpr std::uint32_t kBlue5[4] = {0, 11, 21, 31};
  const std::uint32_t r3 = (value >> 5) & 7, g3 = (value >> 2) & 7;
  return static_cast<std::uint16_t>((r3 << 2 | r3 >> 1) << 11 | (g3 << 3 | g3) << 5 |
                                    kBlue5[value & 3]);
}

std::optional<PaintFault> PaintTarget(const TargetLayout& layout, std::span<const Plane> planes,
                                      TBitmap32& picture) {
  return Painter(layout, planes, picture).Paint();
}

}  // namespace pixmora

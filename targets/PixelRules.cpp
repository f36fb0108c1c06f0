#include "targets/PixelRules.h"

namespace pixmora {

namespace {

std::size_t Size(const TBitmap32& image) {
  return static_cast<std::size_t>(image.Width());
}

// The luma of row y, blended over the background.
void BlendedLuma(const TBitmap32& image, int y, std::uint32_t background, RowPlanes& planes,
                 std::uint8_t* luma) {
  if (RowIsOpaque(image, y)) {
    OpaqueLumaRow(image, y, luma);
    return;
  }
  BlendedRow(image, y, background, planes);
  LumaRow(planes, luma);
}

}  // namespace

OneBitRule::OneBitRule(const TBitmap32& image, const TargetSettings& settings,
                       std::uint32_t background)
    : image_(image),
      background_(background),
      invert_(settings.invert),
      planes_(image.Width()),
      luma_(Size(image)),
      bits_(Size(image)),
      quantizer_(settings.dither, 1, image.Width(), settings.lumaThreshold) {}

const std::uint8_t* OneBitRule::Row(int y) {
  BlendedLuma(image_, y, background_, planes_, luma_.data());
  // The quantizer gives 1 for a lit pixel.
  quantizer_.Row(y, luma_.data(), bits_.data());
  if (!invert_) {
    for (std::uint8_t& bit : bits_)
      bit ^= 1;
  }
  return bits_.data();
}

GrayRule::GrayRule(const TBitmap32& image, int bits, Dither dither, std::uint32_t background)
    : image_(image),
      background_(background),
      bits_(bits),
      planes_(image.Width()),
      luma_(Size(image)),
      levels_(Size(image)),
      quantizer_(dither, bits, image.Width()) {}

const std::uint8_t* GrayRule::Row(int y) {
  BlendedLuma(image_, y, background_, planes_, luma_.data());
  if (bits_ == 8)
    return luma_.data();
  quantizer_.Row(y, luma_.data(), levels_.data());
  return levels_.data();
}

PackedColorRule::PackedColorRule(const TBitmap32& image, int redBits, int greenBits, int blueBits,
                                 Dither dither, std::optional<std::uint32_t> background)
    : image_(image),
      background_(background),
      truncates_(dither == Dither::None),
      redBits_(redBits),
      greenBits_(greenBits),
      blueBits_(blueBits),
      planes_(image.Width()),
      levels_{std::vector<std::uint8_t>(Size(image)), std::vector<std::uint8_t>(Size(image)),
              std::vector<std::uint8_t>(Size(image))},
      values_(Size(image)),
      red_(dither, redBits, image.Width()),
      green_(dither, greenBits, image.Width()),
      blue_(dither, blueBits, image.Width()) {}

const std::uint16_t* PackedColorRule::Row(int y) {
  // Truncated opaque pixels need neither planes nor blending: one pass straight to the value.
  if (truncates_ && RowIsOpaque(image_, y)) {
    const std::uint32_t* pixels = image_.Row(y);
    const int redShift = greenBits_ + blueBits_;
    for (std::size_t x = 0; x < values_.size(); ++x) {
      const std::uint32_t p = pixels[x];
      values_[x] = static_cast<std::uint16_t>(((p >> 16) & 0xFF) >> (8 - redBits_) << redShift |
                                              ((p >> 8) & 0xFF) >> (8 - greenBits_) << blueBits_ |
                                              (p & 0xFF) >> (8 - blueBits_));
    }
    return values_.data();
  }
  if (background_) {
    BlendedRow(image_, y, *background_, planes_);
  } else {
    StraightRow(image_, y, planes_);
  }
  ChannelQuantizer::Rows(y, {&red_, &green_, &blue_},
                         {planes_.r.data(), planes_.g.data(), planes_.b.data()},
                         {levels_[0].data(), levels_[1].data(), levels_[2].data()});
  const int redShift = greenBits_ + blueBits_;
  for (std::size_t x = 0; x < values_.size(); ++x) {
    values_[x] = static_cast<std::uint16_t>(levels_[0][x] << redShift | levels_[1][x] << blueBits_ |
                                            levels_[2][x]);
  }
  return values_.data();
}

void MaskRow(const TBitmap32& image, int y, std::uint8_t* bits) {
  const std::size_t first = static_cast<std::size_t>(y) * Size(image);
  for (int x = 0; x < image.Width(); ++x)
    bits[x] = image.Coverage(first + static_cast<std::size_t>(x)) >= 128 ? 1 : 0;
}

namespace {

template <int Bits, bool LowFirst>
void Pack(const std::uint8_t* values, int count, std::uint8_t* out) {
  constexpr int kPerByte = 8 / Bits;
  constexpr unsigned kMask = (1u << Bits) - 1;
  const int whole = count / kPerByte;
  for (int i = 0; i < whole; ++i) {
    unsigned byte = 0;
    for (int slot = 0; slot < kPerByte; ++slot) {
      const int shift = LowFirst ? slot * Bits : 8 - Bits * (slot + 1);
      byte |= (values[i * kPerByte + slot] & kMask) << shift;
    }
    out[i] = static_cast<std::uint8_t>(byte);
  }
  if (const int rest = count % kPerByte; rest != 0) {
    unsigned byte = 0;
    for (int slot = 0; slot < rest; ++slot) {
      const int shift = LowFirst ? slot * Bits : 8 - Bits * (slot + 1);
      byte |= (values[whole * kPerByte + slot] & kMask) << shift;
    }
    out[whole] = static_cast<std::uint8_t>(byte);
  }
}

}  // namespace

void PackRow(const std::uint8_t* values, int count, int bits, std::uint8_t* out, bool lowFirst) {
  switch (bits) {
    case 1:
      return lowFirst ? Pack<1, true>(values, count, out) : Pack<1, false>(values, count, out);
    case 2:
      return Pack<2, false>(values, count, out);
    default:
      return Pack<4, false>(values, count, out);
  }
}

std::uint16_t Rgb565Of(std::uint32_t bgr) {
  const std::uint32_t r = bgr & 0xFF, g = (bgr >> 8) & 0xFF, b = (bgr >> 16) & 0xFF;
  return static_cast<std::uint16_t>((r >> 3) << 11 | (g >> 2) << 5 | b >> 3);
}

}  // namespace pixmora

#include "targets/PixelRules.h"

#include <cstring>

namespace pixmora {

namespace {

std::size_t Size(const TBitmap32& image) {
  return static_cast<std::size_t>(image.Width());
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
  BlendedRow(image_, y, background_, planes_);
  LumaRow(planes_, luma_.data());
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
  BlendedRow(image_, y, background_, planes_);
  LumaRow(planes_, luma_.data());
  if (bits_ == 8)
    return luma_.data();
  quantizer_.Row(y, luma_.data(), levels_.data());
  return levels_.data();
}

PackedColorRule::PackedColorRule(const TBitmap32& image, int redBits, int greenBits, int blueBits,
                                 Dither dither, std::optional<std::uint32_t> background)
    : image_(image),
      background_(background),
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
  if (background_) {
    BlendedRow(image_, y, *background_, planes_);
  } else {
    StraightRow(image_, y, planes_);
  }
  red_.Row(y, planes_.r.data(), levels_[0].data());
  green_.Row(y, planes_.g.data(), levels_[1].data());
  blue_.Row(y, planes_.b.data(), levels_[2].data());
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

void PackRow(const std::uint8_t* values, int count, int bits, std::uint8_t* out, bool lowFirst) {
  const int perByte = 8 / bits;
  const unsigned mask = (1u << bits) - 1;
  std::memset(out, 0, static_cast<std::size_t>((count + perByte - 1) / perByte));
  for (int i = 0; i < count; ++i) {
    const int slot = i % perByte;
    const int shift = lowFirst ? slot * bits : 8 - bits * (slot + 1);
    out[i / perByte] |= static_cast<std::uint8_t>((values[i] & mask) << shift);
  }
}

std::uint16_t Rgb565Of(std::uint32_t bgr) {
  const std::uint32_t r = bgr & 0xFF, g = (bgr >> 8) & 0xFF, b = (bgr >> 16) & 0xFF;
  return static_cast<std::uint16_t>((r >> 3) << 11 | (g >> 2) << 5 | b >> 3);
}

}  // namespace pixmora

#include "conversion/RowEncoder.h"

#include "conversion/PixelCodes.h"

namespace pixmora {

RowEncoder::RowEncoder(const EncodingPlan& plan, std::span<const std::uint32_t> table,
                       std::optional<std::uint32_t> threshold)
    : plan_(plan), threshold_(threshold) {
  if (plan.encoding == PixelEncoding::PaletteIndices)
    index_ = std::make_unique<ColorIndex>(table);
}

void RowEncoder::PutBits(std::uint32_t value, int bits, std::uint8_t*& out) {
  pendingBits_ += bits;
  pending_ |= value << (8 - pendingBits_);
  if (pendingBits_ == 8) {
    *out++ = static_cast<std::uint8_t>(pending_);
    pending_ = 0;
    pendingBits_ = 0;
  }
}

template <class IsBlackPixel>
void RowEncoder::EncodeMonochrome(const std::uint32_t* pixels, int width, int rows,
                                  std::uint8_t*& out, IsBlackPixel isBlack) {
  if (plan_.encoding == PixelEncoding::MonochromeHorizontal) {
    const std::size_t count = std::size_t{static_cast<unsigned>(width)} * rows;
    for (std::size_t i = 0; i < count; ++i) {
      pending_ = PushBit(pending_, isBlack(pixels[i]));
      if (++pendingBits_ == 8) {
        *out++ = static_cast<std::uint8_t>(pending_);
        pending_ = 0;
        pendingBits_ = 0;
      }
    }
    return;
  }
  for (int top = 0; top < rows; top += 8) {
    const int pageRows = rows - top < 8 ? rows - top : 8;
    const std::uint32_t* page = pixels + std::size_t{static_cast<unsigned>(width)} * top;
    for (int x = 0; x < width; ++x) {
      std::uint32_t byte = 0;
      for (int r = 0; r < pageRows; ++r)
        byte = PushBit(byte, isBlack(page[std::size_t{static_cast<unsigned>(width)} * r + x]));
      *out++ = static_cast<std::uint8_t>(byte);
    }
  }
}

bool RowEncoder::Encode(const std::uint32_t* pixels, int width, int rows, std::uint8_t*& out) {
  const std::size_t count = std::size_t{static_cast<unsigned>(width)} * rows;
  switch (plan_.encoding) {
    case PixelEncoding::Color332:
      for (std::size_t i = 0; i < count; ++i)
        *out++ = Code332(pixels[i]);
      return true;
    case PixelEncoding::Color565:
      for (std::size_t i = 0; i < count; ++i) {
        out[0] = Code565High(pixels[i]);
        out[1] = Code565Low(pixels[i]);
        out += 2;
      }
      return true;
    case PixelEncoding::Color444:
      for (std::size_t i = 0; i < count; ++i) {
        for (int c = 0; c < 3; ++c)
          PutBits(Nibble444(pixels[i], c), 4, out);
      }
      return true;
    case PixelEncoding::MonochromeVertical:
    case PixelEncoding::MonochromeHorizontal:
      if (threshold_) {
        const std::uint32_t position = *threshold_;
        EncodeMonochrome(pixels, width, rows, out, [position](std::uint32_t p) {
          return PixelColor(p) <= position ? 1u : 0u;
        });
      } else {
        EncodeMonochrome(pixels, width, rows, out, IsBlack);
      }
      return true;
    case PixelEncoding::PaletteIndices:
      break;
  }
  for (std::size_t i = 0; i < count; ++i) {
    const std::int32_t k = index_->Find(PixelColor(pixels[i]));
    if (k == ColorIndex::kNotFound)
      return false;
    if (plan_.indexBits == 8) {
      *out++ = static_cast<std::uint8_t>(k);
    } else {
      PutBits(static_cast<std::uint32_t>(k) & ((1u << plan_.indexBits) - 1), plan_.indexBits, out);
    }
  }
  return true;
}

void RowEncoder::Finish(std::uint8_t*& out) {
  if (pendingBits_ == 0)
    return;
  if (plan_.encoding == PixelEncoding::Color444)
    pending_ |= 0xF;  // an odd last nibble gets 0xF below it
  *out++ = static_cast<std::uint8_t>(pending_);
  pending_ = 0;
  pendingBits_ = 0;
}

}  // namespace pixmora

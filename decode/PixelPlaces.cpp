#include "decode/PixelPlaces.h"

#include <algorithm>
#include <span>

#include "decode/ClassicPixels.h"
#include "decode/LvglHeader.h"

namespace pixmora {

namespace {

constexpr std::uint64_t kRunsPerIndexEntry = 256;

// "0x" and `digits` hexadecimal digits, more where the value needs them.
std::string Hex(std::uint32_t value, int digits) {
  std::string text;
  for (; digits > 0 || value != 0; --digits, value >>= 4)
    text.insert(text.begin(), "0123456789ABCDEF"[value & 15]);
  return "0x" + text;
}

std::uint16_t Swapped(std::uint32_t value) {
  return static_cast<std::uint16_t>((value & 0xFF) << 8 | (value >> 8 & 0xFF));
}

// Which encoder bytes hold a pixel of the classic output, and which bits of them when it takes
// a part of one byte.
struct ClassicBytes {
  std::uint64_t first = 0;
  std::uint64_t last = 0;
  int bits = 8;  // below 8: a part of byte `first`
  int lowBit = 0;
};

ClassicBytes BytesOfPixel(ClassicEncoding encoding, int width, int height, int x, int y) {
  const std::uint64_t count = std::uint64_t(width) * std::uint64_t(height);
  const std::uint64_t i = std::uint64_t(y) * std::uint64_t(width) + std::uint64_t(x);
  switch (encoding) {
    case ClassicEncoding::Color565:
      return {2 * i, 2 * i + 1};
    case ClassicEncoding::Color444:
      return {3 * i / 2, (3 * i + 2) / 2};
    case ClassicEncoding::Color332:
    case ClassicEncoding::Palette1:
      return {i, i};
    case ClassicEncoding::MonochromeHorizontal: {
      // A partial last group of n pixels fills the top n bits, the first pixel lowest.
      const std::uint64_t group = i / 8;
      const int inByte = group < count / 8 ? 8 : static_cast<int>(count % 8);
      return {group, group, 1, 8 - inByte + static_cast<int>(i % 8)};
    }
    case ClassicEncoding::MonochromeVertical: {
      const int page = y / 8;
      const int rows = page < height / 8 ? 8 : height % 8;
      const std::uint64_t byte = std::uint64_t(page) * std::uint64_t(width) + std::uint64_t(x);
      return {byte, byte, 1, 8 - rows + y % 8};
    }
    default: {
      // The earlier pixel in the higher bits.
      const int perByte = PixelsPerByte(encoding);
      const int bits = 8 / perByte;
      const std::uint64_t byte = i / static_cast<std::uint64_t>(perByte);
      return {byte, byte, bits, 8 - bits * (static_cast<int>(i % perByte) + 1)};
    }
  }
}

}  // namespace

std::string DescribePlace(const PixelPlace& place) {
  const int digits = place.words ? 4 : 2;
  std::string text;
  if (place.highBit >= 0 && place.values.size() == 1) {
    text = place.highBit == place.lowBit
               ? "bit " + std::to_string(place.lowBit)
               : "bits " + std::to_string(place.highBit) + "-" + std::to_string(place.lowBit);
    text +=
        " of " + Hex(place.values[0], digits) + " = " + Hex(place.field, (place.fieldBits + 3) / 4);
  } else {
    for (std::size_t k = 0; k < place.values.size(); ++k) {
      if (k > 0)
        text += ' ';
      text += Hex(place.values[k], digits);
    }
    if (place.values.size() != 1 || place.values[0] != place.field)
      text += " = " + Hex(place.field, (place.fieldBits + 3) / 4);
  }
  text += place.inRun ? " in the run at offset " : " at offset ";
  text += std::to_string(place.offset);
  if (place.text.index != place.offset)
    text += " (element " + std::to_string(place.text.index) + ")";
  return text;
}

PixelPlaces PixelPlaces::Classic(std::string bytes, const ClassicLayout& layout) {
  PixelPlaces places;
  places.bytes_ = std::move(bytes);
  places.classic_ = layout;
  const std::uint64_t tableBytes = 2 * std::uint64_t(std::max(layout.binaryTableColors, 0));
  std::uint16_t mode = layout.colorModeWord;
  int width = layout.width;
  int height = layout.height;
  if (layout.includeInfo) {
    if (places.bytes_.size() < tableBytes + 6)
      return {};
    // Each field high byte first; Word with LSB first exchanges them.
    const auto field = [&](std::uint64_t k) {
      const auto at = [&](std::uint64_t b) {
        return static_cast<std::uint8_t>(places.bytes_[tableBytes + b]);
      };
      const auto value = static_cast<std::uint16_t>(at(2 * k) << 8 | at(2 * k + 1));
      return layout.word && layout.lsbFirst ? Swapped(value) : value;
    };
    width = field(0);
    height = field(1);
    mode = field(2);
  }
  ColorModeFields fields;
  if (!ReadColorModeWord(mode, fields).empty() || width <= 0 || height <= 0)
    return {};
  places.kind_ = Kind::Classic;
  places.width_ = width;
  places.height_ = height;
  places.encoding_ = fields.encoding;
  places.compressed_ = fields.compressed;
  places.lead_ = tableBytes + (layout.includeInfo ? 6 : 0);
  places.leadValues_ = layout.includeInfo ? (layout.word ? 3 : 6) : 0;
  places.encodedBytes_ = EncodedByteCount(fields.encoding, width, height);
  const std::uint64_t unit = layout.word ? 2 : 1;
  const std::uint64_t size = places.bytes_.size();
  places.items_ = size > places.lead_ ? (size - places.lead_) / unit : 0;
  if (places.compressed_)
    places.IndexRuns();
  return places;
}

PixelPlaces PixelPlaces::Target(std::string bytes, const TargetLayout& layout) {
  PixelPlaces places;
  places.bytes_ = std::move(bytes);
  TargetLayout read = layout;
  std::uint64_t start = 0;
  if (read.target == TargetKind::Lvgl9) {
    std::size_t offset = 0;
    const auto* data = reinterpret_cast<const std::uint8_t*>(places.bytes_.data());
    if (!ReadLvglHeader({data, places.bytes_.size()}, read, offset).empty())
      return {};
    start = kLvglHeaderBytes;
  }
  if (read.width <= 0 || read.height <= 0 || read.target == TargetKind::Classic)
    return {};
  places.kind_ = Kind::Target;
  places.target_ = read;
  places.width_ = read.width;
  places.height_ = read.height;
  for (const PlaneShape& shape : PlaneShapes(read)) {
    places.planeStarts_.push_back(start);
    start += shape.count * (shape.words ? 2 : 1);
  }
  return places;
}

std::optional<PixelPlace> PixelPlaces::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_)
    return std::nullopt;
  switch (kind_) {
    case Kind::Classic:
      return ClassicAt(x, y);
    case Kind::Target:
      return TargetAt(x, y);
    case Kind::None:
      break;
  }
  return std::nullopt;
}

std::optional<std::uint32_t> PixelPlaces::Item(std::uint64_t item) const {
  const std::uint64_t unit = classic_.word ? 2 : 1;
  const std::uint64_t at = lead_ + item * unit;
  if (item >= items_ || at + unit > bytes_.size())
    return std::nullopt;
  const auto byte = [this](std::uint64_t k) {
    return std::uint32_t{static_cast<std::uint8_t>(bytes_[k])};
  };
  return classic_.word ? byte(at) << 8 | byte(at + 1) : byte(at);
}

// A value followed by an equal one and a count c stands for c + 2 copies.
void PixelPlaces::IndexRuns() {
  std::uint64_t item = 0;
  std::uint64_t element = 0;
  for (std::uint64_t run = 0; item < items_; ++run) {
    if (run % kRunsPerIndexEntry == 0)
      runIndex_.emplace_back(item, element);
    const std::uint32_t value = *Item(item);
    std::uint64_t copies = 1;
    std::uint64_t next = item + 1;
    if (next < items_ && *Item(next) == value) {
      if (next + 1 >= items_)
        return;
      copies = std::uint64_t{*Item(next + 1)} + 2;
      next += 2;
    }
    element += copies;
    item = next;
  }
}

std::optional<PixelPlaces::Element> PixelPlaces::ElementAt(std::uint64_t element) const {
  if (!compressed_) {
    const auto value = Item(element);
    if (!value)
      return std::nullopt;
    return Element{*value, element};
  }
  auto entry =
      std::upper_bound(runIndex_.begin(), runIndex_.end(), element,
                       [](std::uint64_t e, const std::pair<std::uint64_t, std::uint64_t>& r) {
                         return e < r.second;
                       });
  if (entry == runIndex_.begin())
    return std::nullopt;
  --entry;
  std::uint64_t item = entry->first;
  std::uint64_t first = entry->second;
  while (item < items_) {
    const std::uint32_t value = *Item(item);
    std::uint64_t copies = 1;
    std::uint64_t next = item + 1;
    if (next < items_ && *Item(next) == value) {
      if (next + 1 >= items_)
        return std::nullopt;
      copies = std::uint64_t{*Item(next + 1)} + 2;
      next += 2;
    }
    if (element < first + copies)
      return Element{value, item};
    first += copies;
    item = next;
  }
  return std::nullopt;
}

// Where an encoder byte sits in its word: the first of a pair in the high byte (the low one
// with LSB first); an odd last byte as the second of a pair whose first byte is 0.
int PixelPlaces::ByteShift(std::uint64_t byte) const {
  if (!classic_.word)
    return 0;
  const int first = classic_.lsbFirst ? 0 : 8;
  const bool oddLast = encodedBytes_ % 2 != 0 && byte + 1 == encodedBytes_;
  return byte % 2 == 0 && !oddLast ? first : 8 - first;
}

std::optional<PixelPlace> PixelPlaces::ClassicAt(int x, int y) const {
  const ClassicBytes held = BytesOfPixel(encoding_, width_, height_, x, y);
  const std::uint64_t perElement = classic_.word ? 2 : 1;
  PixelPlace place;
  place.words = classic_.word;
  std::vector<std::uint8_t> encoded;
  std::optional<Element> first;
  for (std::uint64_t b = held.first; b <= held.last; ++b) {
    const auto element = ElementAt(b / perElement);
    if (!element)
      return std::nullopt;
    if (!first)
      first = element;
    encoded.push_back(static_cast<std::uint8_t>(element->value >> ByteShift(b)));
    if (b == held.first || b / perElement != (b - 1) / perElement)
      place.values.push_back(element->value);
  }
  switch (encoding_) {
    case ClassicEncoding::Color565:
      place.field = std::uint32_t{encoded[0]} << 8 | encoded[1];
      place.fieldBits = 16;
      break;
    case ClassicEncoding::Color444: {
      // Nibble k is the high half of byte k / 2 when k is even.
      const std::uint64_t i = std::uint64_t(y) * std::uint64_t(width_) + std::uint64_t(x);
      for (std::uint64_t k = 3 * i; k < 3 * i + 3; ++k) {
        const std::uint8_t byte = encoded[k / 2 - held.first];
        place.field = place.field << 4 | (k % 2 == 0 ? byte >> 4 : byte & 15u);
      }
      place.fieldBits = 12;
      break;
    }
    default:
      place.field = (encoded[0] >> held.lowBit) & ((1u << held.bits) - 1);
      place.fieldBits = held.bits;
      break;
  }
  if (held.first == held.last && (held.bits < 8 || classic_.word)) {
    place.lowBit = ByteShift(held.first) + (held.bits < 8 ? held.lowBit : 0);
    place.highBit = place.lowBit + held.bits - 1;
  }
  place.offset = lead_ + first->item * perElement;
  place.text = {classic_.binaryTableColors > 0 ? 1u : 0u, leadValues_ + first->item};
  place.inRun = compressed_;
  return place;
}

std::optional<PixelPlace> PixelPlaces::TargetAt(int x, int y) const {
  const auto w = static_cast<std::uint64_t>(width_);
  const auto ux = static_cast<std::uint64_t>(x);
  const auto uy = static_cast<std::uint64_t>(y);
  const std::uint64_t i = uy * w + ux;
  PixelPlace place;
  std::uint64_t byte = 0;  // in plane 0
  int length = 1;          // bytes of the pixel
  int bits = 8;            // below 8: a part of the byte
  int lowBit = 0;
  const auto packed = [&](std::uint64_t start, std::uint64_t stride, int b, bool lowFirst) {
    const std::uint64_t perByte = 8 / static_cast<std::uint64_t>(b);
    const int slot = static_cast<int>(ux % perByte);
    byte = start + uy * stride + ux / perByte;
    bits = b;
    lowBit = lowFirst ? slot * b : 8 - b * (slot + 1);
  };
  switch (target_.target) {
    case TargetKind::GfxBitmap:
    case TargetKind::Xbm:
      packed(0, (w + 7) / 8, 1, target_.target == TargetKind::Xbm);
      break;
    case TargetKind::Pages:
      byte = uy / 8 * w + ux;
      bits = 1;
      lowBit = y % 8;
      break;
    case TargetKind::Rgb565:
      byte = 2 * i;
      length = 2;
      place.words = true;
      break;
    case TargetKind::Gray4:
    case TargetKind::Index4:
      packed(0, (w + 1) / 2, 4, false);
      break;
    case TargetKind::Gray2:
      packed(0, (w + 3) / 4, 2, false);
      break;
    case TargetKind::Lvgl9: {
      const LvglFormat format = target_.colorFormat;
      const int bpp = InfoOf(format).bitsPerPixel;
      const std::uint64_t stride = LvglStride(target_);
      if (IsLvglIndexed(format)) {
        packed(std::uint64_t{4} << bpp, stride, bpp, false);
      } else {
        length = static_cast<int>(LvglRowBytes(format, 1));
        byte = uy * stride + ux * static_cast<std::uint64_t>(length);
      }
      break;
    }
    default:  // rgb332, gray8, index8
      byte = i;
      break;
  }
  const std::uint64_t at = planeStarts_.at(0) + byte;
  if (at + static_cast<std::uint64_t>(length) > bytes_.size())
    return std::nullopt;
  const auto byteAt = [this, at](int k) {
    return std::uint32_t{static_cast<std::uint8_t>(bytes_[at + static_cast<std::uint64_t>(k)])};
  };
  place.offset = at;
  place.text = {0, place.words ? byte / 2 : byte};
  if (place.words) {
    // 16-bit values are stored low byte first.
    const std::uint32_t value = byteAt(0) | byteAt(1) << 8;
    place.values = {value};
    place.field = target_.swapBytes ? Swapped(value) : value;
    place.fieldBits = 16;
    return place;
  }
  for (int k = 0; k < length; ++k) {
    place.values.push_back(byteAt(k));
    place.field |= byteAt(k) << (8 * k);
  }
  place.fieldBits = 8 * length;
  if (target_.target == TargetKind::Lvgl9 && target_.colorFormat == LvglFormat::RGB565_SWAPPED)
    place.field = Swapped(place.field);
  if (bits < 8) {
    place.field = (byteAt(0) >> lowBit) & ((1u << bits) - 1);
    place.fieldBits = bits;
    place.lowBit = lowBit;
    place.highBit = lowBit + bits - 1;
  }
  return place;
}

}  // namespace pixmora

#include "targets/RawBytes.h"

namespace pixmora {

namespace {

constexpr std::size_t kLvglHeaderSize = 12;

void Put16(std::string& out, unsigned value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

// magic, cf, flags; w, h; stride, reserved: three little-endian words of bit fields.
void PutLvglHeader(std::string& out, const TargetData& data) {
  out += static_cast<char>(0x19);
  out += static_cast<char>(InfoOf(*data.lvglFormat).value);
  Put16(out, 0);
  Put16(out, static_cast<unsigned>(data.width));
  Put16(out, static_cast<unsigned>(data.height));
  Put16(out, static_cast<unsigned>(data.lvglStride));
  Put16(out, 0);
}

}  // namespace

std::string RawBytes(const TargetData& data) {
  std::string out;
  out.reserve(RawSize(data));
  if (data.lvglFormat)
    PutLvglHeader(out, data);
  for (const TargetArray& array : data.arrays) {
    out.append(reinterpret_cast<const char*>(array.bytes.data()), array.bytes.size());
    for (const std::uint16_t value : array.words)
      Put16(out, value);
    for (const std::uint32_t value : array.dwords) {
      Put16(out, value & 0xFFFF);
      Put16(out, value >> 16);
    }
  }
  return out;
}

std::size_t RawSize(const TargetData& data) {
  std::size_t size = data.lvglFormat ? kLvglHeaderSize : 0;
  for (const TargetArray& array : data.arrays)
    size += array.bytes.size() + 2 * array.words.size() + 4 * array.dwords.size();
  return size;
}

}  // namespace pixmora

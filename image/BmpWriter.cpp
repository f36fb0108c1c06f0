#include "image/BmpWriter.h"

#include <limits>

#include "platform/AtomicFile.h"

namespace pixmora {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPixelOffset = kFileHeaderSize + kInfoHeaderSize;

std::uint64_t PixelBytes(const TBitmap32& image) {
  return std::uint64_t{4} * static_cast<std::uint64_t>(image.Width()) *
         static_cast<std::uint64_t>(image.Height());
}

void Put16(std::uint8_t*& out, std::uint16_t value) {
  *out++ = static_cast<std::uint8_t>(value);
  *out++ = static_cast<std::uint8_t>(value >> 8);
}

void Put32(std::uint8_t*& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8)
    *out++ = static_cast<std::uint8_t>(value >> shift);
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp32(const TBitmap32& image) {
  const auto pixelBytes = static_cast<std::uint32_t>(PixelBytes(image));
  std::vector<std::uint8_t> file(kPixelOffset + pixelBytes);
  std::uint8_t* out = file.data();

  Put16(out, 0x4D42);  // "BM"
  Put32(out, kPixelOffset + pixelBytes);
  Put32(out, 0);  // reserved
  Put32(out, kPixelOffset);

  Put32(out, kInfoHeaderSize);
  Put32(out, static_cast<std::uint32_t>(image.Width()));
  Put32(out, static_cast<std::uint32_t>(image.Height()));  // positive: bottom-up rows
  Put16(out, 1);                                           // planes
  Put16(out, 32);                                          // bits per pixel
  Put32(out, 0);                                           // BI_RGB
  Put32(out, pixelBytes);
  Put32(out, 0);  // horizontal resolution: none given
  Put32(out, 0);  // vertical resolution
  Put32(out, 0);  // colors used: no color table
  Put32(out, 0);  // important colors

  // 32-bit rows need no padding; each pixel 0xAARRGGBB goes out little-endian as B G R A.
  for (int y = image.Height() - 1; y >= 0; --y) {
    const std::uint32_t* row = image.Row(y);
    for (int x = 0; x < image.Width(); ++x)
      Put32(out, row[x]);
  }
  return file;
}

bool FitsBmp32(const TBitmap32& image) {
  return kPixelOffset + PixelBytes(image) <= std::numeric_limits<std::uint32_t>::max();
}

std::string WriteBmp32(const TBitmap32& image, const std::string& fileName) {
  if (!FitsBmp32(image)) {
    return "Cannot create file \"" + fileName + "\". The image is too large for a BMP file";
  }
  const std::vector<std::uint8_t> bytes = EncodeBmp32(image);
  if (std::string reason = WriteFileAtomically(fileName, std::span<const unsigned char>(bytes));
      !reason.empty()) {
    return "Cannot create file \"" + fileName + "\". " + reason;
  }
  return {};
}

}  // namespace pixmora

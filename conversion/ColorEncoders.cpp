#include "conversion/ColorEncoders.h"

#include "conversion/PixelCodes.h"

#include <string_view>
#include <vector>

namespace pixmora {

namespace {

constexpr auto kSamePosition = [](std::int64_t unit) { return unit; };

std::int64_t PixelCount(std::uint16_t width, std::uint16_t height) {
  return std::int64_t{width} * std::int64_t{height};
}

// Packs nibbles two to a byte, the earlier one high; an odd last nibble gets 0xF below it.
bool PackNibbles(const std::vector<std::uint8_t>& nibbles, WorkingData& data, Progress& progress) {
  const std::int64_t length = static_cast<std::int64_t>((nibbles.size() + 1) / 2);
  progress.RestartBar(length - 1);
  if (!progress.SizeBuffer(data, static_cast<std::size_t>(length)))
    return false;
  const std::size_t count = nibbles.size();
  return progress.ForEachUnit(
      length,
      [&](std::int64_t k) {
        const std::size_t first = 2 * static_cast<std::size_t>(k);
        const int low = first + 1 < count ? nibbles[first + 1] : 0xF;
        data[static_cast<std::size_t>(k)] = nibbles[first] * 16 + low;
      },
      [](std::int64_t k) { return k + 1; });
}

// Encodes every pixel into `BytesPerPixel` byte values, in pixel order.
template <std::size_t BytesPerPixel, class Encode>
bool EncodeEachPixel(const TBitmap32& image, std::uint16_t width, std::uint16_t height,
                     std::string_view caption, WorkingData& data, Progress& progress,
                     Encode encode) {
  const std::int64_t count = PixelCount(width, height);
  const std::uint32_t* pixels = image.Pixels().data();
  progress.StartPhase(caption, count - 1);
  if (!progress.SizeBuffer(data, BytesPerPixel * static_cast<std::size_t>(count))) {
    progress.ResetBar();
    return false;
  }
  std::int32_t* out = data.data();
  const bool completed = progress.ForEachUnit(
      count, [&](std::int64_t i) { encode(pixels[i], out + BytesPerPixel * i); }, kSamePosition);
  progress.ResetBar();
  return completed;
}

}  // namespace

bool Encode332(const TBitmap32& image, std::uint16_t width, std::uint16_t height, WorkingData& data,
               Progress& progress) {
  return EncodeEachPixel<1>(image, width, height, "Convert image to 256 colors...", data, progress,
                            [](std::uint32_t p, std::int32_t* out) { out[0] = Code332(p); });
}

bool Encode444(const TBitmap32& image, std::uint16_t width, std::uint16_t height, WorkingData& data,
               Progress& progress) {
  const std::int64_t count = PixelCount(width, height);
  const std::uint32_t* pixels = image.Pixels().data();
  std::vector<std::uint8_t> nibbles;
  progress.StartPhase("Convert image to 4096 colors...", count - 1);
  const bool completed = progress.SizeBuffer(nibbles, 3 * static_cast<std::size_t>(count)) &&
                         progress.ForEachUnit(
                             count,
                             [&](std::int64_t i) {
                               const std::uint32_t p = pixels[i];
                               std::uint8_t* n = &nibbles[3 * static_cast<std::size_t>(i)];
                               for (int c = 0; c < 3; ++c)
                                 n[c] = Nibble444(p, c);
                             },
                             kSamePosition) &&
                         PackNibbles(nibbles, data, progress);
  progress.ResetBar();
  return completed;
}

bool Encode565(const TBitmap32& image, std::uint16_t width, std::uint16_t height, WorkingData& data,
               Progress& progress) {
  // The 16-bit values go straight in as their two bytes, high byte first.
  return EncodeEachPixel<2>(image, width, height, "Convert image to 65536 colors...", data,
                            progress, [](std::uint32_t p, std::int32_t* out) {
                              out[0] = Code565High(p);
                              out[1] = Code565Low(p);
                            });
}

}  // namespace pixmora

#include "conversion/MonochromeEncoders.h"

#include "conversion/PixelCodes.h"

namespace pixmora {

namespace {

constexpr char kCaption[] = "Convert image to monochrome...";

constexpr std::int32_t PushPixel(std::int32_t byte, std::uint32_t pixel) {
  return static_cast<std::int32_t>(PushBit(static_cast<std::uint32_t>(byte), IsBlack(pixel)));
}

}  // namespace

bool EncodeMonochromeVertical(const TBitmap32& image, std::uint16_t width, std::uint16_t height,
                              WorkingData& data, Progress& progress) {
  const int pages = height / 8 + (height % 8 != 0 ? 1 : 0);
  progress.StartPhase(kCaption, pages);
  if (!progress.SizeBuffer(data,
                           static_cast<std::size_t>(width) * static_cast<std::size_t>(pages))) {
    progress.ResetBar();
    return false;
  }
  std::size_t next = 0;
  for (int page = 0; page < pages; ++page) {
    const int top = 8 * page;
    const int rows = height - top < 8 ? height - top : 8;
    for (int x = 0; x < width; ++x) {
      if (progress.Unit(page)) {
        progress.ResetBar();
        return false;
      }
      std::int32_t byte = 0;
      for (int r = 0; r < rows; ++r)
        byte = PushPixel(byte, image.Pixel(x, top + r));
      data[next++] = byte;
    }
  }
  progress.ResetBar();
  return true;
}

bool EncodeMonochromeHorizontal(const TBitmap32& image, std::uint16_t width, std::uint16_t height,
                                WorkingData& data, Progress& progress) {
  const std::size_t count = std::size_t{width} * std::size_t{height};
  const std::size_t groups = count / 8 + (count % 8 != 0 ? 1 : 0);
  progress.StartPhase(kCaption, static_cast<std::int64_t>(groups));
  if (!progress.SizeBuffer(data, groups)) {
    progress.ResetBar();
    return false;
  }
  const std::uint32_t* pixels = image.Pixels().data();
  for (std::size_t g = 0; g < groups; ++g) {
    const std::size_t first = 8 * g;
    const std::size_t end = first + 8 < count ? first + 8 : count;
    if (!progress.Skip(static_cast<std::int64_t>(end - first))) {
      for (std::size_t i = first; i < end; ++i) {
        if (progress.Unit(static_cast<std::int64_t>(g))) {
          progress.ResetBar();
          return false;
        }
      }
    }
    std::int32_t byte = 0;
    for (std::size_t i = first; i < end; ++i)
      byte = PushPixel(byte, pixels[i]);
    data[g] = byte;
  }
  progress.ResetBar();
  return true;
}

}  // namespace pixmora

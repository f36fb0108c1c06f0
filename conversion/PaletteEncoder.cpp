#include "conversion/PaletteEncoder.h"

#include "conversion/ColorIndex.h"

namespace pixmora {

namespace {

// Packs `perByte` indices of `bits` bits each into every byte, the first at the top.
void Pack(WorkingData& data, std::size_t perByte, int bits) {
  const std::size_t count = data.size();
  const std::int32_t mask = (1 << bits) - 1;
  WorkingData packed((count + perByte - 1) / perByte);
  for (std::size_t i = 0; i < count; ++i) {
    const int shift = 8 - bits * static_cast<int>(i % perByte + 1);
    packed[i / perByte] |= (data[i] & mask) << shift;
  }
  data = std::move(packed);
}

}  // namespace

bool EncodePaletteIndices(const TBitmap32& image, std::uint16_t width, std::uint16_t height,
                          std::span<const std::uint32_t> colorTable, WorkingData& data,
                          Progress& progress, MessageBoxService& messages) {
  const std::int64_t count = std::int64_t{width} * std::int64_t{height};
  const std::uint32_t* pixels = image.Pixels().data();
  const ColorIndex index(colorTable);
  const auto entries = static_cast<std::int64_t>(colorTable.size());
  progress.StartPhase("Convert image to palette mode...", count - 1);
  if (!progress.SizeBuffer(data, static_cast<std::size_t>(count))) {
    progress.ResetBar();
    return false;
  }
  for (std::int64_t i = 0; i < count; ++i) {
    const std::int32_t k = index.Find(PixelColor(pixels[i]));
    // One unit per comparison of the linear search the lookup stands for.
    if (progress.Units(k == ColorIndex::kNotFound ? entries : k + 1, i)) {
      progress.ResetBar();
      return false;
    }
    if (k == ColorIndex::kNotFound) {
      ShowMissingPaletteEntry(messages);
      progress.ResetBar();
      return false;
    }
    data[static_cast<std::size_t>(i)] = k;
  }
  progress.ResetBar();
  return true;
}

void ShowMissingPaletteEntry(MessageBoxService& messages) {
  messages.Show("Can't find a pixel palette entry", "Palette Error", MessageIcon::Error,
                MessageButtons::OK);
}

void PackPalette2(WorkingData& data) {
  Pack(data, 2, 4);
}
void PackPalette4(WorkingData& data) {
  Pack(data, 4, 2);
}
void PackPalette8(WorkingData& data) {
  Pack(data, 8, 1);
}

bool ConvertColorTable(std::span<const std::uint32_t> colorTable, WorkingData& tableBytes,
                       Progress& progress) {
  const auto entries = static_cast<std::int64_t>(colorTable.size());
  tableBytes.assign(2 * colorTable.size(), 0);
  progress.StartPhase("Convert color table to 65536 colors...", entries);
  for (std::int64_t k = 0; k < entries; ++k) {
    const std::uint32_t entry = colorTable[static_cast<std::size_t>(k)];
    const std::uint32_t r = entry & 0xFF;
    const std::uint32_t g = (entry >> 8) & 0xFF;
    const std::uint32_t b = (entry >> 16) & 0xFF;
    const std::uint32_t value = (r / 8) * 2048 + (g / 4) * 32 + b / 8;
    tableBytes[2 * k] = static_cast<std::int32_t>(value >> 8);
    tableBytes[2 * k + 1] = static_cast<std::int32_t>(value & 0xFF);
    if (progress.Unit(k)) {
      progress.ResetBar();
      return false;
    }
  }
  progress.ResetBar();
  return true;
}

}  // namespace pixmora

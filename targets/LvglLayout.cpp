#include <cstring>

#include "platform/HugePages.h"
#include "targets/Layouts.h"
#include "targets/PaletteIndices.h"
#include "targets/PixelRules.h"

namespace pixmora {

namespace {

using F = LvglFormat;

// The header's stride field has 16 bits.
constexpr std::size_t kMaxStride = 65535;

std::size_t RowBytes(LvglFormat format, int width) {
  const auto w = static_cast<std::size_t>(width);
  if (format == F::RGB565A8)
    return 2 * w;
  return (w * static_cast<std::size_t>(InfoOf(format).bitsPerPixel) + 7) / 8;
}

// Rows of 16-bit values, little-endian (native) or high byte first (swapped).
void Put565(const std::uint16_t* values, int width, bool swapped, std::uint8_t* out) {
  for (int x = 0; x < width; ++x) {
    const auto low = static_cast<std::uint8_t>(values[x]);
    const auto high = static_cast<std::uint8_t>(values[x] >> 8);
    out[2 * x] = swapped ? high : low;
    out[2 * x + 1] = swapped ? low : high;
  }
}

// Writes every row of the first plane; rows are `stride` apart and their padding stays 0.
template <class WriteRow>
void Rows(const TBitmap32& image, std::size_t stride, std::uint8_t* out, WriteRow writeRow) {
  for (int y = 0; y < image.Height(); ++y)
    writeRow(y, out + static_cast<std::size_t>(y) * stride);
}

std::string FillMap(const TargetInput& input, std::size_t stride, std::vector<std::uint8_t>& map) {
  const TBitmap32& image = input.image;
  const TargetSettings& s = input.settings;
  const int width = image.Width();
  const auto height = static_cast<std::size_t>(image.Height());
  RowPlanes planes(width);
  switch (s.colorFormat) {
    case F::RGB565:
    case F::RGB565_SWAPPED: {
      ResizeLarge(map, stride * height);
      PackedColorRule rule(image, 5, 6, 5, s.dither, BackgroundOf(input));
      const bool swapped = s.colorFormat == F::RGB565_SWAPPED;
      Rows(image, stride, map.data(),
           [&](int y, std::uint8_t* row) { Put565(rule.Row(y), width, swapped, row); });
      return {};
    }
    case F::RGB565A8: {
      // The 5-6-5 plane, then the alpha plane with half its stride.
      ResizeLarge(map, stride * height + stride / 2 * height);
      PackedColorRule rule(image, 5, 6, 5, s.dither, std::nullopt);
      Rows(image, stride, map.data(),
           [&](int y, std::uint8_t* row) { Put565(rule.Row(y), width, false, row); });
      Rows(image, stride / 2, map.data() + stride * height, [&](int y, std::uint8_t* row) {
        StraightRow(image, y, planes);
        std::memcpy(row, planes.a.data(), planes.a.size());
      });
      return {};
    }
    case F::RGB888:
    case F::XRGB8888:
    case F::ARGB8888: {
      ResizeLarge(map, stride * height);
      const std::size_t step = s.colorFormat == F::RGB888 ? 3 : 4;
      Rows(image, stride, map.data(), [&](int y, std::uint8_t* row) {
        // An opaque pixel 0xAARRGGBB is B, G, R, A in memory; only an alpha byte that is not
        // the coverage (after a threshold) needs setting.
        if (step == 4 && RowIsOpaque(image, y)) {
          std::memcpy(row, image.Row(y), 4 * planes.a.size());
          if (image.HasCoveragePlane()) {
            for (std::size_t x = 0; x < planes.a.size(); ++x)
              row[4 * x + 3] = 0xFF;
          }
          return;
        }
        if (s.colorFormat == F::ARGB8888) {
          StraightRow(image, y, planes);
        } else {
          BlendedRow(image, y, BackgroundOf(input), planes);
        }
        for (std::size_t x = 0; x < planes.r.size(); ++x) {
          std::uint8_t* p = row + step * x;
          p[0] = planes.b[x];
          p[1] = planes.g[x];
          p[2] = planes.r[x];
          if (step == 4)
            p[3] = s.colorFormat == F::ARGB8888 ? planes.a[x] : 0xFF;
        }
      });
      return {};
    }
    case F::L8: {
      ResizeLarge(map, stride * height);
      GrayRule rule(image, 8, Dither::None, BackgroundOf(input));
      Rows(image, stride, map.data(),
           [&](int y, std::uint8_t* row) { std::memcpy(row, rule.Row(y), planes.a.size()); });
      return {};
    }
    case F::A8:
      ResizeLarge(map, stride * height);
      Rows(image, stride, map.data(), [&](int y, std::uint8_t* row) {
        StraightRow(image, y, planes);
        std::memcpy(row, planes.a.data(), planes.a.size());
      });
      return {};
    case F::I1:
    case F::I2:
    case F::I4:
    case F::I8: {
      const int bits = InfoOf(s.colorFormat).bitsPerPixel;
      IndexedPixels indexed =
          IndexPixels(image, input.palette, bits, TargetLabel(s.target, s.colorFormat));
      if (!indexed.error.empty())
        return indexed.error;
      // The palette first: always 2^bits entries of B, G, R, A.
      const std::size_t paletteBytes = std::size_t{4} << bits;
      ResizeLarge(map, paletteBytes + stride * height);
      for (std::size_t k = 0; k < paletteBytes / 4; ++k) {
        const std::uint32_t c = k < indexed.palette.size() ? indexed.palette[k] : 0;
        const std::uint8_t entry[4] = {static_cast<std::uint8_t>(c >> 16),
                                       static_cast<std::uint8_t>(c >> 8),
                                       static_cast<std::uint8_t>(c), 0xFF};
        std::memcpy(map.data() + 4 * k, entry, 4);
      }
      Rows(image, stride, map.data() + paletteBytes, [&](int y, std::uint8_t* row) {
        const std::uint8_t* indices = indexed.indices.data() + static_cast<std::size_t>(y) * width;
        if (bits == 8) {
          std::memcpy(row, indices, static_cast<std::size_t>(width));
        } else {
          PackRow(indices, width, bits, row);
        }
      });
      return {};
    }
  }
  return {};
}

std::string FormatNote(LvglFormat format, std::size_t stride) {
  const std::string rows = "; rows of " + std::to_string(stride) + " bytes";
  switch (format) {
    case F::RGB565:
      return "5-6-5 per pixel, little-endian (low byte first)" + rows;
    case F::RGB565_SWAPPED:
      return "5-6-5 per pixel, high byte first" + rows;
    case F::RGB888:
      return "B, G, R per pixel" + rows;
    case F::XRGB8888:
      return "B, G, R, 0xFF per pixel" + rows;
    case F::ARGB8888:
      return "B, G, R, A per pixel, straight (not premultiplied) alpha" + rows;
    case F::RGB565A8:
      return "5-6-5 per pixel, little-endian" + rows + ", then the alpha plane in rows of " +
             std::to_string(stride / 2) + " bytes; straight colors";
    case F::L8:
      return "The luma (Rec. 601) per pixel" + rows;
    case F::A8:
      return "The alpha per pixel" + rows;
    case F::I1:
    case F::I2:
    case F::I4:
    case F::I8:
      return std::to_string(4 << InfoOf(format).bitsPerPixel) +
             " bytes of palette (B, G, R, A = 0xFF per entry), then " +
             std::to_string(InfoOf(format).bitsPerPixel) +
             "-bit indices, the leftmost pixel in the highest bits" + rows +
             "; transparency is not kept";
  }
  return {};
}

}  // namespace

// An LVGL 9 image: NAME_map holds the bytes the descriptor NAME points at.
TargetResult EncodeLvgl(const TargetInput& input) {
  const TargetSettings& s = input.settings;
  TargetResult result{{}, StartData(input)};
  TargetData& data = result.data;
  data.macros.clear();  // the descriptor carries the size
  const std::size_t align = static_cast<std::size_t>(s.align);
  const std::size_t stride =
      (RowBytes(s.colorFormat, input.image.Width()) + align - 1) / align * align;
  if (stride > kMaxStride) {
    return {data.target + ": a row of " + std::to_string(stride) +
                " bytes is more than the 65535 the image header holds",
            {}};
  }
  TargetArray map{data.name + "_map", ElementType::Uint8, false, {}};
  if (std::string error = FillMap(input, stride, map.bytes); !error.empty())
    return {error, {}};
  data.lvglFormat = s.colorFormat;
  data.lvglStride = static_cast<int>(stride);
  data.notes.insert(data.notes.begin(), FormatNote(s.colorFormat, stride));
  data.drawCalls = {"LVGL 9: LV_IMAGE_DECLARE(" + data.name + "); lv_image_set_src(img, &" +
                    data.name + ");"};
  if (s.colorFormat == F::RGB565_SWAPPED)
    data.drawCalls.push_back("LV_COLOR_FORMAT_RGB565_SWAPPED needs LVGL 9.3 or later");
  if (s.colorFormat == F::A8)
    data.drawCalls.push_back("An A8 image is drawn as a mask in the image's recolor color");
  data.arrays.push_back(std::move(map));
  return result;
}

}  // namespace pixmora

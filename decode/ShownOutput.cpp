#include "decode/ShownOutput.h"

#include "decode/DecodeRun.h"
#include "decode/TargetDecoder.h"
#include "targets/RawBytes.h"

namespace pixmora {

namespace {

constexpr const char* kGap = "   ";

std::span<const std::uint8_t> Bytes(const std::string& bytes) {
  return {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
}

bool SameSize(const TBitmap32& a, const TBitmap32& b) {
  return a.Width() == b.Width() && a.Height() == b.Height();
}

// Light grays in cells of 4 pixels, behind what is not opaque.
std::uint32_t Checker(int x, int y) {
  return ((x / 4 + y / 4) & 1) != 0 ? MakePixel(0xCC, 0xCC, 0xCC) : MakePixel(0xFF, 0xFF, 0xFF);
}

std::uint32_t Over(std::uint32_t pixel, std::uint32_t background) {
  const std::uint32_t alpha = pixel >> 24;
  if (alpha == 0xFF)
    return pixel;
  std::uint32_t out = 0xFF000000u;
  for (const int shift : {16, 8, 0}) {
    const std::uint32_t a = (pixel >> shift) & 0xFF;
    const std::uint32_t b = (background >> shift) & 0xFF;
    out |= ((a * alpha + b * (255 - alpha) + 127) / 255) << shift;
  }
  return out;
}

// Halfway to white: the pixels that do not differ, behind the marks.
std::uint32_t Faded(std::uint32_t pixel) {
  std::uint32_t out = 0xFF000000u;
  for (const int shift : {16, 8, 0})
    out |= ((((pixel >> shift) & 0xFF) + 256) / 2) << shift;
  return out;
}

}  // namespace

ShownOutput ShownOutput::OfClassicRun(const ExportSource& run, const TBitmap32& source) {
  const ClassicLayout layout = LayoutOfExport(run);
  ClassicRunBytes bytes = BytesOfClassicRun(run);
  ColorModeFields fields;
  ReadColorModeWord(layout.colorModeWord, fields);
  ShownOutput shown;
  shown.Finish(
      std::string(EncodingName(fields.encoding)) + (fields.compressed ? ", compressed" : ""),
      bytes.main.size() + bytes.table.size(), DecodeClassicBytes(bytes, layout), source);
  shown.places_ = PixelPlaces::Classic(std::move(bytes.main), layout);
  return shown;
}

ShownOutput ShownOutput::OfTargetRun(const TargetData& data, const TargetSettings& settings,
                                     const TBitmap32& source) {
  const TargetLayout layout = TargetLayoutOf(settings, data.width, data.height);
  std::string bytes = RawBytes(data);
  ShownOutput shown;
  shown.Finish(LayoutLabel(layout), bytes.size(), TargetDecoder(layout).DecodeBinary(Bytes(bytes)),
               source);
  shown.places_ = PixelPlaces::Target(std::move(bytes), layout);
  return shown;
}

void ShownOutput::Finish(std::string label, std::uint64_t bytes, DecodeOutcome outcome,
                         const TBitmap32& source) {
  made_ = true;
  source_ = source;
  if (!outcome.Ok()) {
    error_ = "The output does not decode: " + outcome.error;
    summary_ = label + ": " + error_;
    return;
  }
  picture_ = std::move(outcome.picture);
  summary_ = label + ": " + std::to_string(picture_.Width()) + " x " +
             std::to_string(picture_.Height()) + " pixels, " + std::to_string(bytes) +
             (bytes == 1 ? " byte" : " bytes");
  if (SameSize(picture_, source_))
    summary_ += ", PSNR " + PsnrText(Psnr(picture_, source_));
}

std::size_t ShownOutput::CountDifferences(int tolerance) const {
  if (!SameSize(picture_, source_))
    return 0;
  std::size_t count = 0;
  const std::uint32_t* shown = picture_.Pixels().data();
  const std::uint32_t* source = source_.Pixels().data();
  for (std::size_t i = 0; i < picture_.PixelCount(); ++i)
    count += ColorDifference(shown[i], source[i]) > tolerance ? 1 : 0;
  return count;
}

TBitmap32 ShownOutput::ScreenPicture(std::optional<int> tolerance) const {
  TBitmap32 screen(picture_.Width(), picture_.Height());
  const bool compare = tolerance && SameSize(picture_, source_);
  for (int y = 0; y < picture_.Height(); ++y) {
    const std::uint32_t* shown = picture_.Row(y);
    const std::uint32_t* source = compare ? source_.Row(y) : nullptr;
    std::uint32_t* out = screen.Row(y);
    for (int x = 0; x < picture_.Width(); ++x) {
      const std::uint32_t pixel = Over(shown[x], Checker(x, y));
      if (!compare)
        out[x] = pixel;
      else
        out[x] = ColorDifference(shown[x], source[x]) > *tolerance ? kDifferenceMark : Faded(pixel);
    }
  }
  return screen;
}

std::string PixelStatus(int x, int y, const TBitmap32& source, const ShownOutput& shown, bool stale,
                        std::optional<int> tolerance) {
  const auto inside = [x, y](const TBitmap32& picture) {
    return x >= 0 && y >= 0 && x < picture.Width() && y < picture.Height();
  };
  const bool inSource = inside(source);
  const bool inShown = inside(shown.Picture());
  if (!inSource && !inShown)
    return {};
  std::string text = "x " + std::to_string(x) + ", y " + std::to_string(y);
  if (inSource)
    text += kGap + std::string("source ") + PixelText(source.Pixel(x, y) | 0xFF000000u);
  if (!inShown)
    return text;
  const std::uint32_t pixel = shown.Picture().Pixel(x, y);
  text += kGap + std::string("shown ") + PixelText(pixel);
  if (const auto place = shown.PlaceOf(x, y))
    text += kGap + DescribePlace(*place);
  if (tolerance && inside(shown.Source())) {
    const int difference = ColorDifference(pixel, shown.Source().Pixel(x, y));
    if (difference > *tolerance)
      text += kGap + std::string("differs by ") + std::to_string(difference);
  }
  if (stale)
    text += kGap + std::string("(out of date)");
  return text;
}

std::string DifferencesText(std::size_t differing, std::size_t pixels, int tolerance) {
  const std::string limit = " by more than " + std::to_string(tolerance);
  if (differing == 0)
    return "No pixel differs" + limit;
  return std::to_string(differing) + " of " + std::to_string(pixels) + " pixels " +
         (differing == 1 ? "differs" : "differ") + limit;
}

}  // namespace pixmora

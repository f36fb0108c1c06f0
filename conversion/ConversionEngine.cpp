#include "conversion/ConversionEngine.h"

#include <algorithm>
#include <utility>

#include "conversion/ColorEncoders.h"
#include "conversion/ColorModeWord.h"
#include "conversion/Compression.h"
#include "conversion/FormatLines.h"
#include "conversion/ImageBaseName.h"
#include "conversion/MonochromeEncoders.h"
#include "conversion/OutputTexts.h"
#include "conversion/PaletteEncoder.h"

namespace pixmora {

namespace {

constexpr std::string_view kGap = "\r\n\r\n";

bool UsesWords(const Preferences& preferences) {
  return preferences.Effective(OptionGroup::DataRepresentation) == Option::Word;
}

// Marks the engine busy for the length of a run, exceptions included.
class RunningFlag {
 public:
  explicit RunningFlag(bool& flag) : flag_(flag) { flag_ = true; }
  ~RunningFlag() { flag_ = false; }
  RunningFlag(const RunningFlag&) = delete;
  RunningFlag& operator=(const RunningFlag&) = delete;

 private:
  bool& flag_;
};

}  // namespace

bool ConversionEngine::Run(const ConversionInput& input, ProgressSink& sink,
                           MessageBoxService& messages) {
  if (running_)
    return false;
  const RunningFlag running(running_);
  completed_ = false;
  sink.SetConvertCancelled(false);
  Progress progress(sink);
  completed_ = RunStages(input, progress, messages);
  return completed_;
}

bool ConversionEngine::RunStages(const ConversionInput& input, Progress& progress,
                                 MessageBoxService& messages) {
  // The sizes come from the image document; a mismatch would read beyond the pixels.
  if (input.WorkingImage == nullptr ||
      std::size_t{input.ImageWidth} * input.ImageHeight != input.WorkingImage->PixelCount()) {
    return false;
  }
  colorModeWord_ = 0;
  hasColorTable_ = input.ImageMode == pixmora::ImageMode::Palette;
  bool encoded = false;
  switch (input.ImageMode) {
    case pixmora::ImageMode::Color:
      encoded = EncodeColor(input, progress);
      break;
    case pixmora::ImageMode::Monochrome:
      encoded = EncodeMonochrome(input, progress);
      break;
    case pixmora::ImageMode::Palette:
      encoded = EncodePalette(input, progress, messages);
      break;
  }
  return encoded && FinishRun(input, progress);
}

bool ConversionEngine::EncodeColor(const ConversionInput& input, Progress& progress) {
  const TBitmap32& image = *input.WorkingImage;
  switch (input.Preferences.Effective(OptionGroup::ColorMode)) {
    case Option::Color256:
      colorModeWord_ |= ColorModeBits::kColor256;
      return Encode332(image, input.ImageWidth, input.ImageHeight, workingData_, progress);
    case Option::Color4096:
      colorModeWord_ |= ColorModeBits::kColor4096;
      return Encode444(image, input.ImageWidth, input.ImageHeight, workingData_, progress);
    default:
      colorModeWord_ |= ColorModeBits::kColor65536;
      return Encode565(image, input.ImageWidth, input.ImageHeight, workingData_, progress);
  }
}

bool ConversionEngine::EncodeMonochrome(const ConversionInput& input, Progress& progress) {
  const TBitmap32& image = *input.WorkingImage;
  if (input.Preferences.Is(Option::MonochromeVertical)) {
    colorModeWord_ |= ColorModeBits::kMonochromeVertical;
    return EncodeMonochromeVertical(image, input.ImageWidth, input.ImageHeight, workingData_,
                                    progress);
  }
  colorModeWord_ |= ColorModeBits::kMonochromeHorizontal;
  return EncodeMonochromeHorizontal(image, input.ImageWidth, input.ImageHeight, workingData_,
                                    progress);
}

bool ConversionEngine::EncodePalette(const ConversionInput& input, Progress& progress,
                                     MessageBoxService& messages) {
  const int colors = input.PaletteColorCount;
  if (colors > 256) {
    messages.Show("Images with more than 256 palette colors are not supported", "Palette error",
                  MessageIcon::Error, MessageButtons::OK);
    return false;
  }
  // Never read beyond the table the document holds, whatever count it claims.
  const auto table = input.ColorTable.first(
      std::min(input.ColorTable.size(), static_cast<std::size_t>(std::max(colors, 0))));
  if (!EncodePaletteIndices(*input.WorkingImage, input.ImageWidth, input.ImageHeight, table,
                            workingData_, progress, messages)) {
    return false;
  }
  if (input.Preferences.Effective(OptionGroup::PixelsPerByte) == Option::Palette1To8Pixel &&
      (colors == 2 || colors == 4 || (colors >= 8 && colors <= 16))) {
    if (colors == 2) {
      PackPalette8(workingData_);
      colorModeWord_ |= ColorModeBits::kPalette8Pixels;
    } else if (colors == 4) {
      PackPalette4(workingData_);
      colorModeWord_ |= ColorModeBits::kPalette4Pixels;
    } else {
      PackPalette2(workingData_);
      colorModeWord_ |= ColorModeBits::kPalette2Pixels;
    }
  } else {
    colorModeWord_ |= ColorModeBits::kPalette1Pixel;
  }
  colorModeWord_ |= PaletteSizeCode(colors);
  return ConvertColorTable(table, tableBytes_, progress);
}

bool ConversionEngine::FinishRun(const ConversionInput& input, Progress& progress) {
  const Preferences& preferences = input.Preferences;
  std::uint16_t width = input.ImageWidth;
  std::uint16_t height = input.ImageHeight;
  const bool word = UsesWords(preferences);
  const bool lsbFirst = preferences.Is(Option::LSBFirst);
  const bool palette = hasColorTable_;
  const bool tableWord = preferences.Is(Option::PaletteTableWord);
  const bool includeInfo = preferences.Is(Option::IncludeInfo);
  const bool compression = preferences.Is(Option::Compression);

  if (word)
    CombineWords(workingData_, lsbFirst);
  compressionRatio_ = 0;
  if (compression) {
    if (!CompressRuns(workingData_, compressed_, word ? 65535 : 255, compressionRatio_, progress)) {
      return false;
    }
    workingData_.swap(compressed_);
  } else {
    colorModeWord_ |= ColorModeBits::kCompressionOff;
  }
  // The working values become the output without a copy; the next run reuses the buffer of
  // the old output.
  outputData_.swap(workingData_);
  if (palette) {
    colorTableData_ = tableBytes_;
    if (tableWord)
      CombineWords(colorTableData_, lsbFirst);
  }
  if (word && lsbFirst) {
    colorModeWord_ = SwapBytes(colorModeWord_);
    width = SwapBytes(width);
    height = SwapBytes(height);
  }

  outputFormat_ = MakeOutputFormat(preferences, input.CustomFormat);
  const std::string baseName = ImageBaseName(input.CurrentFileName);
  outputBanner_ = pixmora::OutputBanner(outputFormat_);
  infoHeader_ = includeInfo
                    ? pixmora::InfoHeader(outputFormat_, word, width, height, colorModeWord_)
                    : std::string();
  outputElementCount_ =
      static_cast<std::int64_t>(outputData_.size()) + (includeInfo ? (word ? 3 : 6) : 0);
  outputHeader_ = pixmora::OutputHeader(outputFormat_, {.includeInfo = includeInfo,
                                                        .compression = compression,
                                                        .compressionRatio = compressionRatio_,
                                                        .word = word,
                                                        .imageBaseName = baseName,
                                                        .outputElementCount = outputElementCount_,
                                                        .infoHeader = infoHeader_});
  colorTableHeader_ = palette ? pixmora::ColorTableHeader(outputFormat_, tableWord, baseName,
                                                          colorTableData_.size())
                              : std::string();
  pixmora::OutputFormat tableFormat = outputFormat_;
  if (tableFormat.Kind == OutputKind::BasicData) {
    tableFormat.HexSuffix = std::string(tableWord ? "%" : "");
  }
  const int tableDigits = tableWord ? 4 : 2;

  // The banner and, in Palette mode, the color table text sit in front of the output lines in
  // their buffer, so the whole output text is there without a copy; room for them is kept
  // first, then the header, then the data lines.
  const std::size_t leadSize =
      outputBanner_.size() +
      (palette ? colorTableHeader_.size() +
                     FormattedTextSize(colorTableData_, tableDigits, tableFormat) + kGap.size()
               : 0);
  progress.SetCaption("Formatting output...");
  outputLines_.Clear();
  outputLines_.ReserveLead(leadSize);
  outputLines_.AddText(outputHeader_);
  if (!AppendFormattedLines(outputData_, outputLines_, word ? 4 : 2, outputFormat_, progress)) {
    return false;
  }
  colorTableLines_.Clear();
  if (!palette) {
    outputLines_.SetLead(outputBanner_);
    return true;
  }
  progress.SetCaption("Formatting color table output...");
  colorTableLines_.AddText(colorTableHeader_);
  if (!AppendFormattedLines(colorTableData_, colorTableLines_, tableDigits, tableFormat,
                            progress)) {
    return false;
  }
  outputLines_.SetLead(outputBanner_ + colorTableLines_.Text() + std::string(kGap));
  return true;
}

void ConversionEngine::Release() {
  // A run in progress keeps what it works on. Swapped, not assigned: a string assigned a short
  // one keeps its own buffer.
  if (running_)
    return;
  ConversionEngine released;
  std::swap(*this, released);
}

std::size_t ConversionEngine::HeldBytes() const {
  std::size_t bytes = 0;
  for (const std::vector<std::int32_t>* buffer :
       {&workingData_, &compressed_, &tableBytes_, &outputData_, &colorTableData_}) {
    bytes += buffer->capacity() * sizeof(std::int32_t);
  }
  for (const std::string* text : {&outputBanner_, &infoHeader_, &outputHeader_, &colorTableHeader_})
    bytes += text->capacity();
  return bytes + outputLines_.HeldBytes() + colorTableLines_.HeldBytes();
}

TextPieces ConversionEngine::OutputTextPieces() const {
  if (!completed_)
    return {};
  if (!hasColorTable_)
    return {outputBanner_, {}, {}, outputLines_.TextView()};
  return {outputBanner_, colorTableLines_.TextView(), kGap, outputLines_.TextView()};
}

std::string_view ConversionEngine::OutputTextView() const {
  return completed_ ? outputLines_.TextWithLead() : std::string_view();
}

std::string ConversionEngine::OutputText() const {
  return std::string(OutputTextView());
}

}  // namespace pixmora

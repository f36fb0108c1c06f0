#include "conversion/ConversionEngine.h"

#include <algorithm>
#include <utility>

#include "conversion/ColorEncoders.h"
#include "conversion/Compression.h"
#include "conversion/EncodingPlan.h"
#include "conversion/FormatLines.h"
#include "conversion/MonochromeEncoders.h"
#include "conversion/PaletteEncoder.h"
#include "conversion/RunTexts.h"

namespace pixmora {

namespace {

constexpr std::string_view kGap = "\r\n\r\n";

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

std::span<const std::uint32_t> PaletteSearched(const ConversionInput& input) {
  const auto colors = static_cast<std::size_t>(std::max(input.PaletteColorCount, 0));
  return input.ColorTable.first(std::min(input.ColorTable.size(), colors));
}

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
  const EncodingPlan plan = PlanEncoding(input);
  colorModeWord_ = plan.colorModeWord;
  hasColorTable_ = plan.encoding == PixelEncoding::PaletteIndices;
  return Encode(input, plan, progress, messages) && FinishRun(input, plan, progress);
}

bool ConversionEngine::Encode(const ConversionInput& input, const EncodingPlan& plan,
                              Progress& progress, MessageBoxService& messages) {
  const TBitmap32& image = *input.WorkingImage;
  const std::uint16_t width = input.ImageWidth;
  const std::uint16_t height = input.ImageHeight;
  switch (plan.encoding) {
    case PixelEncoding::Color332:
      return Encode332(image, width, height, workingData_, progress);
    case PixelEncoding::Color444:
      return Encode444(image, width, height, workingData_, progress);
    case PixelEncoding::Color565:
      return Encode565(image, width, height, workingData_, progress);
    case PixelEncoding::MonochromeVertical:
      return EncodeMonochromeVertical(image, width, height, workingData_, progress);
    case PixelEncoding::MonochromeHorizontal:
      return EncodeMonochromeHorizontal(image, width, height, workingData_, progress);
    case PixelEncoding::PaletteIndices:
      break;
  }
  const int colors = input.PaletteColorCount;
  if (colors > 256) {
    messages.Show("Images with more than 256 palette colors are not supported", "Palette error",
                  MessageIcon::Error, MessageButtons::OK);
    return false;
  }
  const auto table = PaletteSearched(input);
  if (!EncodePaletteIndices(image, width, height, table, workingData_, progress, messages))
    return false;
  if (plan.indexBits == 1)
    PackPalette8(workingData_);
  else if (plan.indexBits == 2)
    PackPalette4(workingData_);
  else if (plan.indexBits == 4)
    PackPalette2(workingData_);
  return ConvertColorTable(table, tableBytes_, progress);
}

bool ConversionEngine::FinishRun(const ConversionInput& input, const EncodingPlan& plan,
                                 Progress& progress) {
  const bool palette = hasColorTable_;
  if (plan.word)
    CombineWords(workingData_, plan.lsbFirst);
  compressionRatio_ = 0;
  if (plan.compression) {
    if (!CompressRuns(workingData_, compressed_, plan.word ? 65535 : 255, compressionRatio_,
                      progress)) {
      return false;
    }
    workingData_.swap(compressed_);
  }
  // The working values become the output without a copy; the next run reuses the buffer of
  // the old output.
  outputData_.swap(workingData_);
  RunTexts texts = MakeRunTexts(input, plan, outputData_.size(), compressionRatio_);
  colorModeWord_ = texts.colorModeWord;
  outputFormat_ = std::move(texts.format);
  outputBanner_ = std::move(texts.banner);
  infoHeader_ = std::move(texts.infoHeader);
  outputHeader_ = std::move(texts.outputHeader);
  outputElementCount_ = texts.outputElementCount;
  ColorTableText table;
  if (palette)
    table = MakeColorTableText(input, outputFormat_, tableBytes_);
  colorTableData_ = table.values;
  colorTableHeader_ = table.header;

  // The banner and, in Palette mode, the color table text sit in front of the output lines in
  // their buffer, so the whole output text is there without a copy; room for them is kept
  // first, then the header, then the data lines.
  const std::size_t leadSize =
      outputBanner_.size() +
      (palette ? colorTableHeader_.size() +
                     FormattedTextSize(colorTableData_, table.digits, table.format) + kGap.size()
               : 0);
  progress.SetCaption("Formatting output...");
  outputLines_.Clear();
  outputLines_.ReserveLead(leadSize);
  outputLines_.AddText(outputHeader_);
  if (!AppendFormattedLines(outputData_, outputLines_, plan.word ? 4 : 2, outputFormat_,
                            progress)) {
    return false;
  }
  colorTableLines_.Clear();
  if (!palette) {
    outputLines_.SetLead(outputBanner_);
    return true;
  }
  progress.SetCaption("Formatting color table output...");
  if (!AppendColorTableLines(table, colorTableLines_, progress))
    return false;
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

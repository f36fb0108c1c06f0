#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/LineList.h"
#include "conversion/OutputFormat.h"
#include "conversion/ProgressSink.h"
#include "image/ImageMode.h"
#include "image/TBitmap32.h"
#include "platform/MessageBox.h"
#include "settings/CustomFormat.h"
#include "settings/Preferences.h"

namespace pixmora {

struct EncodingPlan;

// What a conversion run reads; nothing of it is changed by the run.
struct ConversionInput {
  const TBitmap32* WorkingImage = nullptr;
  // ImageWidth x ImageHeight has to equal the image's pixel count, or the run does nothing.
  std::uint16_t ImageWidth = 0;
  std::uint16_t ImageHeight = 0;
  pixmora::ImageMode ImageMode = pixmora::ImageMode::Color;
  pixmora::Preferences Preferences;
  pixmora::CustomFormat CustomFormat;
  // Palette mode: the colors as 0x00BBGGRR in palette order; the first PaletteColorCount of
  // them are searched.
  std::span<const std::uint32_t> ColorTable;
  int PaletteColorCount = 0;
  // The open image file; names the arrays.
  std::string CurrentFileName;
};

// The colors a palette run searches: never beyond the table the document holds, whatever count
// it claims.
std::span<const std::uint32_t> PaletteSearched(const ConversionInput& input);

// The output text in its pieces, in order, for writers that need no copy of the whole.
struct TextPieces {
  std::string_view banner;
  std::string_view colorTable;  // Palette mode: the text of ColorTableLines; else empty
  std::string_view gap;         // Palette mode: two empty lines; else empty
  std::string_view lines;       // the text of OutputLines

  std::size_t Size() const { return banner.size() + colorTable.size() + gap.size() + lines.size(); }
};

// The conversion engine: runs a conversion and keeps its results until the next run.
class ConversionEngine {
 public:
  // One conversion run. Returns true when it completed; after a cancel or an error (a palette
  // error is shown through `messages`) the output text is empty and the other results are not
  // to be used. A call made while a run is in progress (from an event dispatched by its pump)
  // returns false at once and leaves that run alone.
  bool Run(const ConversionInput& input, ProgressSink& progress, MessageBoxService& messages);

  // Whether the last run completed: the results below are valid exactly then.
  bool Completed() const { return completed_; }

  // Gives the memory of the results and of the run's buffers back, as when nothing had run:
  // for an output nobody shows any more. The next run sizes its buffers anew.
  void Release();
  // The bytes the results and buffers hold, kept capacity included.
  std::size_t HeldBytes() const;

  const std::vector<std::int32_t>& OutputData() const { return outputData_; }
  const std::vector<std::int32_t>& ColorTableData() const { return colorTableData_; }
  std::uint16_t ColorModeWord() const { return colorModeWord_; }
  std::int64_t OutputElementCount() const { return outputElementCount_; }
  int CompressionRatio() const { return compressionRatio_; }
  const std::string& OutputBanner() const { return outputBanner_; }
  const LineList& OutputLines() const { return outputLines_; }
  const LineList& ColorTableLines() const { return colorTableLines_; }
  const pixmora::OutputFormat& OutputFormat() const { return outputFormat_; }
  const std::string& InfoHeader() const { return infoHeader_; }
  const std::string& OutputHeader() const { return outputHeader_; }
  const std::string& ColorTableHeader() const { return colorTableHeader_; }
  // Whether the last completed run wrote a color table (Palette mode).
  bool HasColorTable() const { return completed_ && hasColorTable_; }

  // The output text: OutputBanner, in Palette mode the text of ColorTableLines and two empty
  // lines, then the text of OutputLines; empty unless the last run completed. A window sets it
  // in two steps, first without the banner (the pieces from colorTable on), then whole.
  std::string OutputText() const;
  // The same text without a copy, valid until the next run.
  std::string_view OutputTextView() const;
  // The same text in pieces that point into the results, for writers that need no copy.
  TextPieces OutputTextPieces() const;

 private:
  bool RunStages(const ConversionInput& input, Progress& progress, MessageBoxService& messages);
  bool Encode(const ConversionInput& input, const EncodingPlan& plan, Progress& progress,
              MessageBoxService& messages);
  bool FinishRun(const ConversionInput& input, const EncodingPlan& plan, Progress& progress);

  bool running_ = false;
  bool completed_ = false;
  bool hasColorTable_ = false;
  std::vector<std::int32_t> workingData_;
  std::vector<std::int32_t> compressed_;
  std::vector<std::int32_t> tableBytes_;
  std::vector<std::int32_t> outputData_;
  std::vector<std::int32_t> colorTableData_;
  std::uint16_t colorModeWord_ = 0;
  std::int64_t outputElementCount_ = 0;
  int compressionRatio_ = 0;
  pixmora::OutputFormat outputFormat_;
  std::string outputBanner_;
  std::string infoHeader_;
  std::string outputHeader_;
  std::string colorTableHeader_;
  LineList outputLines_;
  LineList colorTableLines_;
};

}  // namespace pixmora

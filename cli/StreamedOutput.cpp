#include "cli/StreamedOutput.h"

#include <algorithm>
#include <vector>

#include "conversion/Compression.h"
#include "conversion/FormatLines.h"
#include "conversion/PaletteEncoder.h"
#include "conversion/RowEncoder.h"
#include "conversion/RunCoder.h"
#include "conversion/RunTexts.h"
#include "conversion/StreamedLines.h"
#include "ui/LineEndWriter.h"

namespace pixmora::cli {

namespace {

// Rows go through the stages in bands of about this many pixels: big enough that a band costs
// no more than its work, small enough that its text stays in the cache on its way to the file.
constexpr std::size_t kBandPixels = std::size_t{1} << 16;

int BandRows(int width, int step) {
  const int rows = static_cast<int>(kBandPixels / static_cast<std::size_t>(std::max(width, 1)));
  return std::max(step, rows / step * step);
}

bool HasLineBreak(std::string_view text) {
  return text.find_first_of("\r\n") != std::string_view::npos;
}

// One file's bytes as the export writes them: text through the line-end writer; data lines
// straight to the file when they already have the line ends asked for.
class FileText {
 public:
  FileText(PendingFile& file, std::string_view lineEnd, bool dataAsWritten)
      : sink_([&file](std::string_view bytes) { file.Write(bytes); }),
        lines_(sink_, lineEnd),
        dataAsWritten_(dataAsWritten) {}

  void Text(std::string_view text) { lines_.Feed(text); }
  void Data(std::string_view text) {
    if (dataAsWritten_) {
      sink_(text);
    } else {
      lines_.Feed(text);
    }
  }
  void Bytes(std::string_view bytes) { sink_(bytes); }
  void Finish() { lines_.Finish(); }

 private:
  ByteSink sink_;
  LineEndWriter lines_;
  bool dataAsWritten_;
};

// The data values as text lines or, for a binary file, as bytes (a word high byte first).
template <class Value>
class DataWriter {
 public:
  static constexpr std::size_t kChunk = std::size_t{1} << 16;

  DataWriter(FileText& file, ExportKind kind, const OutputFormat& format, std::uint64_t count)
      : file_(file) {
    if (kind == ExportKind::Text) {
      lines_.emplace(format, sizeof(Value) == 2 ? 4 : 2, count);
      buffer_.resize(lines_->MaxTextSize(kChunk));
    } else {
      buffer_.resize(2 * kChunk);
    }
  }

  void Put(const Value* values, std::size_t n) {
    for (std::size_t done = 0; done < n; done += kChunk) {
      const std::size_t k = std::min(kChunk, n - done);
      if (lines_) {
        const char* end = lines_->Put(values + done, k, buffer_.data());
        file_.Data({buffer_.data(), static_cast<std::size_t>(end - buffer_.data())});
      } else if constexpr (sizeof(Value) == 1) {
        file_.Bytes({reinterpret_cast<const char*>(values + done), k});
      } else {
        for (std::size_t i = 0; i < k; ++i) {
          buffer_[2 * i] = static_cast<char>(values[done + i] >> 8);
          buffer_[2 * i + 1] = static_cast<char>(values[done + i] & 0xFF);
        }
        file_.Bytes({buffer_.data(), 2 * k});
      }
    }
  }

  void Finish() {
    if (lines_) {
      const char* end = lines_->Finish(buffer_.data());
      file_.Data({buffer_.data(), static_cast<std::size_t>(end - buffer_.data())});
    }
    file_.Finish();
  }

 private:
  FileText& file_;
  std::optional<StreamedLines> lines_;
  std::vector<char> buffer_;
};

// What a run reads besides its input.
struct StreamJob {
  const ConversionInput& input;
  RowSource& rows;
  const EncodingPlan& plan;
  std::optional<std::uint32_t> threshold;
  const StreamTargets& targets;
};

enum class Encoded { Done, PaletteError, RowsMissing };

// Encodes the picture band by band, as its rows come, and hands on its values (bytes, or joined
// words) in order.
template <class Value, class Consume>
Encoded EncodeValues(const StreamJob& job, Consume&& consume) {
  const ConversionInput& input = job.input;
  const EncodingPlan& plan = job.plan;
  const int width = input.ImageWidth;
  const int height = input.ImageHeight;
  RowEncoder encoder(plan, PaletteSearched(input), job.threshold);
  const int bandRows = BandRows(width, encoder.RowStep());
  // One byte in front for the odd byte a band leaves to the next word.
  std::vector<std::uint8_t> bytes(1 + RowEncoder::MaxBytes(std::size_t(width) * bandRows));
  std::vector<Value> words(sizeof(Value) == 2 ? bytes.size() / 2 + 1 : 0);
  bool carried = false;
  for (int top = 0; top < height; top += bandRows) {
    const int rows = std::min(bandRows, height - top);
    std::uint8_t* const start = bytes.data() + 1;
    std::uint8_t* out = start;
    const std::uint32_t* pixels = job.rows.WaitRows(top + rows);
    if (pixels == nullptr)
      return Encoded::RowsMissing;
    if (!encoder.Encode(pixels + std::size_t(width) * top, width, rows, out))
      return Encoded::PaletteError;
    if (top + bandRows >= height)
      encoder.Finish(out);
    if constexpr (sizeof(Value) == 1) {
      consume(start, static_cast<std::size_t>(out - start));
    } else {
      const std::uint8_t* first = carried ? start - 1 : start;
      const std::size_t count = static_cast<std::size_t>(out - first);
      const std::size_t pairs = count / 2;
      for (std::size_t k = 0; k < pairs; ++k) {
        const unsigned a = first[2 * k];
        const unsigned b = first[2 * k + 1];
        words[k] = static_cast<Value>(plan.lsbFirst ? b * 256 + a : a * 256 + b);
      }
      carried = count % 2 != 0;
      if (carried)
        bytes[0] = first[count - 1];
      consume(words.data(), pairs);
    }
  }
  if (sizeof(Value) == 2 && carried) {
    // An odd last byte is the second of a pair whose first byte is 0.
    const unsigned a = bytes[0];
    const Value last = static_cast<Value>(plan.lsbFirst ? a * 256 : a);
    consume(&last, 1);
  }
  return Encoded::Done;
}

struct TableParts {
  ColorTableText text;
  LineList lines;
};

TableParts MakeTable(const ConversionInput& input, const OutputFormat& format) {
  NullProgressSink sink;
  Progress progress(sink);
  WorkingData bytes;
  ConvertColorTable(PaletteSearched(input), bytes, progress);
  TableParts table{MakeColorTableText(input, format, bytes), {}};
  AppendColorTableLines(table.text, table.lines, progress);
  return table;
}

void WriteTableFile(const RunTexts& texts, const TableParts& table, const StreamTargets& targets,
                    const Preferences& preferences) {
  FileText file(*targets.table, targets.lineEnd, false);
  if (targets.kind == ExportKind::Binary) {
    WriteBinaryTable(table.text.values, preferences,
                     [&file](std::string_view bytes) { file.Bytes(bytes); });
    return;
  }
  file.Text(texts.banner);
  file.Text(table.lines.TextView());
  file.Finish();
}

template <class Value>
Encoded Stream(const StreamJob& job, StreamOutcome& outcome) {
  const ConversionInput& input = job.input;
  const EncodingPlan& plan = job.plan;
  const StreamTargets& targets = job.targets;
  const Value maxCount = sizeof(Value) == 2 ? 65535 : 255;
  std::uint64_t values = 0;
  int ratio = 0;
  if (plan.compression) {
    // The header holds the coded length, so the values are coded twice, once only to count
    // them: a photograph's coded values are as many as its bytes, far more than the counting.
    std::uint64_t raw = 0;
    RunCoder<Value> counter(maxCount);
    const auto count = [&values](Value) { ++values; };
    const Encoded counted = EncodeValues<Value>(job, [&](const Value* v, std::size_t n) {
      raw += n;
      for (std::size_t i = 0; i < n; ++i)
        counter.Put(v[i], count);
    });
    if (counted != Encoded::Done)
      return counted;
    counter.Finish(count);
    ratio = CompressionRatio(raw, values);
  } else {
    values = (EncodedByteCount(plan, input.ImageWidth, input.ImageHeight) + (plan.word ? 1 : 0)) /
             (plan.word ? 2 : 1);
  }

  const RunTexts texts = MakeRunTexts(input, plan, values, ratio);
  const bool palette = plan.encoding == PixelEncoding::PaletteIndices;
  const TableParts table = palette ? MakeTable(input, texts.format) : TableParts{};
  const Preferences& preferences = input.Preferences;
  const OutputFormat& format = texts.format;
  const bool dataAsWritten = targets.lineEnd == kCrLf && !HasLineBreak(format.RowPrefix) &&
                             !HasLineBreak(format.HexPrefix) && !HasLineBreak(format.HexSuffix) &&
                             !HasLineBreak(format.Separator) && !HasLineBreak(format.CloseBrace);
  FileText file(targets.main, targets.lineEnd, dataAsWritten);
  if (targets.kind == ExportKind::Binary) {
    WriteBinaryLead({table.text.values, targets.tableInMainFile, input.ImageWidth,
                     input.ImageHeight, texts.colorModeWord, preferences},
                    [&file](std::string_view bytes) { file.Bytes(bytes); });
  } else {
    file.Text(texts.banner);
    if (targets.tableInMainFile)
      file.Text(table.lines.TextView());
    file.Text("\r\n\r\n");
    file.Text(texts.outputHeader);
  }
  DataWriter<Value> data(file, targets.kind, format, values);
  Encoded encoded;
  if (plan.compression) {
    RunCoder<Value> coder(maxCount);
    std::vector<Value> coded;
    const auto emit = [&coded](Value v) { coded.push_back(v); };
    encoded = EncodeValues<Value>(job, [&](const Value* v, std::size_t n) {
      coded.clear();
      for (std::size_t i = 0; i < n; ++i)
        coder.Put(v[i], emit);
      data.Put(coded.data(), coded.size());
    });
    coded.clear();
    coder.Finish(emit);
    data.Put(coded.data(), coded.size());
  } else {
    encoded = EncodeValues<Value>(job, [&data](const Value* v, std::size_t n) { data.Put(v, n); });
  }
  if (encoded != Encoded::Done)
    return encoded;
  data.Finish();
  if (targets.table != nullptr)
    WriteTableFile(texts, table, targets, preferences);

  const bool wordTable =
      preferences.Effective(OptionGroup::TableRepresentation) == Option::PaletteTableWord;
  const bool tableCounts = targets.tableInMainFile || targets.table != nullptr;
  outcome.dataSize = static_cast<std::size_t>(texts.outputElementCount) * (plan.word ? 2 : 1) +
                     (tableCounts ? table.text.values.size() * (wordTable ? 2 : 1) : 0);
  return Encoded::Done;
}

}  // namespace

bool StreamsClassicOutput(const CliOptions& o) {
  return o.output && !o.verify && !o.preview && !o.stats && !o.saveImage && !o.compare;
}

bool CanStream(const ConversionInput& input, const RowSource& rows) {
  return input.ImageWidth == rows.Width() && input.ImageHeight == rows.Height() &&
         (input.ImageMode != ImageMode::Palette || input.PaletteColorCount <= 256);
}

StreamOutcome StreamClassicOutput(const ConversionInput& input, RowSource& rows,
                                  std::optional<std::uint32_t> threshold,
                                  const StreamTargets& targets, MessageBoxService& messages) {
  const EncodingPlan plan = PlanEncoding(input);
  const StreamJob job{input, rows, plan, threshold, targets};
  StreamOutcome outcome;
  const Encoded encoded =
      plan.word ? Stream<std::uint16_t>(job, outcome) : Stream<std::uint8_t>(job, outcome);
  outcome.completed = encoded == Encoded::Done;
  if (encoded == Encoded::PaletteError)
    ShowMissingPaletteEntry(messages);
  return outcome;
}

}  // namespace pixmora::cli

#include "cli/RunCli.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

#include "cli/BatchRun.h"
#include "cli/CliOptions.h"
#include "cli/Compare.h"
#include "cli/ComposeSettings.h"
#include "cli/ConsoleProgress.h"
#include "cli/DecodeAhead.h"
#include "cli/DecodeCommand.h"
#include "cli/DepFile.h"
#include "cli/Edits.h"
#include "cli/FrameOptions.h"
#include "cli/FrameRun.h"
#include "cli/HelpText.h"
#include "cli/ManifestRun.h"
#include "cli/OutputFiles.h"
#include "cli/StreamedOutput.h"
#include "cli/TargetRun.h"
#include "cli/Verify.h"
#include "conversion/ConversionEngine.h"
#include "image/BmpWriter.h"
#include "image/ConsoleDocumentView.h"
#include "image/ImageDocument.h"
#include "image/ReadImageFile.h"
#include "platform/AtomicFile.h"
#include "ui/ExportFiles.h"
#include "ui/OutputStatistics.h"

namespace pixmora::cli {

namespace {

int Fail(std::FILE* err, int code, const std::string& message) {
  std::fprintf(err, "%s\n", message.c_str());
  return code;
}

// --frame picks a frame at load; one the file does not have is a usage error.
std::string CheckFrame(const CliOptions& o, std::string& inputError) {
  if (!o.frame || *o.frame == 0)
    return {};
  const ImageFileRead read = ReadImageFile(o.image, 0);
  if (!read.ok) {
    inputError = read.error;
    return {};
  }
  const int frames = read.isAnimated ? read.frameCount : 1;
  if (*o.frame < frames)
    return {};
  return "--frame: expected a frame from 0 to " + std::to_string(frames - 1) + " of " + o.image +
         ", got " + std::to_string(*o.frame);
}

void Describe(const ImageDocument& document, std::FILE* out) {
  const DocumentTexts& t = document.Texts;
  for (const std::string* line : {&t.lblName, &t.lblSize, &t.lblDimensions, &t.lblAnimations,
                                  &t.lblColors, &t.lblConvertMode}) {
    std::fprintf(out, "%s\n", line->c_str());
  }
}

void PrintStatistics(const OutputStatistics& statistics, std::FILE* err) {
  for (const StatisticsLabel* label : {&statistics.lblOutputDataSize, &statistics.lblColorTableSize,
                                       &statistics.lblCompressionRatio}) {
    std::fprintf(err, "%s\n", label->caption.c_str());
  }
}

ByteSink SinkTo(PendingFile& file) {
  return [&file](std::string_view bytes) { file.Write(bytes); };
}

}  // namespace

int RunCli(std::span<const std::string> arguments, std::FILE* out, std::FILE* err,
           bool showProgress) {
  if (!arguments.empty() && arguments.front() == "decode")
    return RunDecodeCommand(arguments.subspan(1), out, err);
  if (IsBuildCommand(arguments))
    return RunManifest(arguments.subspan(1), out, err);
  const ParseResult parsed = ParseCommandLine(arguments);
  if (!parsed.error.empty())
    return Fail(err, kUsageError, parsed.error);
  const CliOptions& o = parsed.options;
  if (o.help) {
    std::fputs(HelpText(), out);
    return kSuccess;
  }
  if (o.version) {
    std::fputs(VersionText(), out);
    return kSuccess;
  }
  if (WritesIntoFolder(o))
    return RunBatch(o, arguments, out, err);
  if (o.listOutputs)
    return Fail(err, kUsageError, "--list-outputs: lists the files of a run with -o DIR");
  if (o.depfile && !o.output)
    return Fail(err, kUsageError, "--depfile: names what -o writes; expected -o FILE");

  Settings settings;
  if (std::string error = ComposeSettings(o, settings); !error.empty()) {
    return Fail(err, kInputError, error);
  }
  PictureReport report;
  const int code = ConvertPicture(o, settings, arguments, out, err, showProgress, report);
  if (code != kSuccess || !o.depfile)
    return code;
  if (std::string error = WriteDepFile(*o.depfile, PathsOf(report.files), InputsOf(o));
      !error.empty()) {
    return Fail(err, kOutputError, error);
  }
  return kSuccess;
}

int ConvertPicture(const CliOptions& o, const Settings& settings,
                   std::span<const std::string> commandLine, std::FILE* out, std::FILE* err,
                   bool showProgress, PictureReport& report) {
  if (WritesFrames(o))
    return ConvertFrames(o, settings, commandLine, out, err, report);
  const TargetSettings& target = settings.target;
  const bool classic = target.target == TargetKind::Classic;
  const bool convert = o.output || (!o.describe && !o.saveImage) || o.stats;
  if (std::string error = CheckTargetOptions(o, target); !error.empty())
    return Fail(err, kUsageError, error);
  if (std::string error = CheckCompareOptions(o); !error.empty())
    return Fail(err, kUsageError, error);
  TargetOutputPlan plan;
  if (!classic && convert) {
    plan = PlanTargetOutput(o, target);
    if (!plan.error.empty())
      return Fail(err, kUsageError, plan.error);
  }

  std::string inputError;
  if (std::string error = CheckFrame(o, inputError); !error.empty()) {
    return Fail(err, kUsageError, error);
  }
  if (!inputError.empty())
    return Fail(err, kInputError, inputError);

  ConsoleDocumentView view;
  ConsoleMessages messages;
  ImageDocument document(view, messages);
  document.CurrentFileName = o.image;
  document.FrameIndex = o.frame.value_or(0);
  document.KeepsLoadedCopy = !o.edits.empty();
  // A picture decoded ahead gives the document only its palette.
  std::unique_ptr<DecodeAhead> ahead;
  if (classic && DecodesAhead(o)) {
    ahead = std::make_unique<DecodeAhead>(o.image);
    if (!ahead->WaitStart())
      return Fail(err, kInputError, ahead->Error());
    document.TakePalette(ahead->Header());
  } else {
    // The mode-change load decodes the file at FrameIndex and leaves the mode to the caller.
    document.mnuOpenClick(LoadOrigin::ModeChange);
    if (!view.error.empty())
      return Fail(err, kInputError, view.error);
  }
  document.SetImageMode(document.HasPalette ? ImageMode::Palette : ImageMode::Color);

  for (const EditStep& edit : o.edits) {
    if (std::string error = ApplyEdit(edit, document, settings.filter); !error.empty()) {
      return Fail(err, kUsageError, error);
    }
  }
  if (o.compare) {
    PrintComparison(document.WorkingImage, settings.preferences, out);
    return kSuccess;
  }
  // A target reads the image as the edits left it: the classic mode switch and its default
  // threshold do not run. Like a Palette conversion, an index target needs the reduced colors
  // again after a later edit brought in new ones.
  ImageMode mode = document.ImageMode;
  // A streamed output thresholds while it encodes, without the copies a threshold keeps.
  const bool streams = classic && StreamsClassicOutput(o);
  std::optional<std::uint32_t> pendingThreshold;
  if (classic) {
    mode = ChooseMode(o, document.HasPalette);
    if (mode == ImageMode::Palette && !document.HasPalette) {
      return Fail(
          err, kUsageError,
          "--mode palette: " + o.image + " has no palette (reduce its colors with --reduce)");
    }
    if (mode == ImageMode::Monochrome && !HasThreshold(o.edits)) {
      if (streams) {
        pendingThreshold = kDefaultThresholdPosition;
      } else {
        ApplyDefaultThreshold(document);
      }
    }
  }
  const bool indexed = classic ? mode == ImageMode::Palette
                               : TraitsOf(target.target, target.colorFormat).indexBits > 0;
  if (indexed) {
    if (std::string error = RepeatReductionAfterLaterEdits(o.edits, document); !error.empty())
      return Fail(err, kUsageError, error);
  }
  document.SetImageMode(mode);
  document.RefreshImageSize();
  if (ahead) {
    document.ImageWidth = static_cast<std::uint16_t>(ahead->Width());
    document.ImageHeight = static_cast<std::uint16_t>(ahead->Height());
  }

  const bool paletteMode = mode == ImageMode::Palette;
  ConversionEngine engine;
  const ExportSource exported{engine, document.ImageWidth, document.ImageHeight,
                              settings.preferences, paletteMode};
  const bool classicConvert = classic && convert;
  if (classicConvert && exported.TableInOwnFile() && !o.tableOutput) {
    return Fail(err, kUsageError,
                "--table-placement separate: expected --table-output FILE for the color table");
  }

  if (o.describe)
    Describe(document, out);

  OutputFiles files;
  if (o.saveImage) {
    if (!FitsBmp32(document.WorkingImage)) {
      return Fail(err, kOutputError, *o.saveImage + ": the image is too large for a BMP file");
    }
    const std::vector<std::uint8_t> bmp = EncodeBmp32(document.WorkingImage);
    files.Add(*o.saveImage)
        .Write(std::string_view(reinterpret_cast<const char*>(bmp.data()), bmp.size()));
  }

  TargetOutcome targetOutcome;
  if (convert && !classic) {
    targetOutcome = RunTarget(o, target, document, plan, commandLine, files);
    if (!targetOutcome.refusal.empty())
      return Fail(err, kConversionRefused, targetOutcome.refusal);
  }
  const std::string_view lineEnd = o.eol == LineEnd::Lf ? "\n" : kCrLf;
  const ExportKind kind = o.output ? ExportKindOf(*o.output) : ExportKind::Text;
  bool streamed = false;
  std::size_t streamedDataSize = 0;
  ConversionInput input;
  if (classicConvert) {
    input.WorkingImage = &document.WorkingImage;
    input.ImageWidth = document.ImageWidth;
    input.ImageHeight = document.ImageHeight;
    input.ImageMode = mode;
    input.Preferences = settings.preferences;
    input.CustomFormat = settings.custom;
    input.ColorTable = document.ColorTable;
    input.PaletteColorCount = document.PaletteColorCount;
    // The arrays are named after the file name without folder and last extension.
    input.CurrentFileName = o.name ? *o.name + ".name" : o.image;
    WholePicture whole(document.WorkingImage);
    RowSource& rows = ahead ? static_cast<RowSource&>(*ahead) : whole;
    streamed = streams && CanStream(input, rows);
    // Only a size beyond the engine's 16 bits keeps a decoded-ahead picture from streaming; the
    // engine refuses that too.
    if (ahead && !streamed)
      return Fail(err, kConversionRefused, "the conversion did not complete");
    if (streamed) {
      PendingFile& main = files.Add(*o.output);
      PendingFile* table = exported.TableInOwnFile() ? &files.Add(*o.tableOutput) : nullptr;
      const StreamOutcome outcome =
          StreamClassicOutput(input, rows, pendingThreshold,
                              {main, table, kind, exported.TableInMainFile(), lineEnd}, messages);
      if (ahead && !ahead->WaitFinished())
        return Fail(err, kInputError, ahead->Error());
      if (!outcome.completed)
        return Fail(err, kConversionRefused, messages.first);
      streamedDataSize = outcome.dataSize;
    }
  }
  if (classicConvert && !streamed) {
    if (pendingThreshold)
      ApplyDefaultThreshold(document);
    std::unique_ptr<ProgressSink> progress;
    if (showProgress) {
      progress = std::make_unique<ConsoleProgress>(err);
    } else {
      progress = std::make_unique<NullProgressSink>();
    }
    const bool completed = engine.Run(input, *progress, messages);
    progress.reset();
    if (!completed) {
      return Fail(err, kConversionRefused,
                  messages.first.empty() ? "the conversion did not complete" : messages.first);
    }
  }

  if (classicConvert && o.output && !streamed) {
    WriteMainFileContent(exported, kind, SinkTo(files.Add(*o.output)), lineEnd);
  }
  if (classicConvert && exported.TableInOwnFile() && !streamed) {
    WriteTableFileContent(exported, kind, SinkTo(files.Add(*o.tableOutput)), lineEnd);
  }
  if (o.saveSettings)
    files.Add(*o.saveSettings).Write(SavedSettingsText(*o.saveSettings, settings));
  if (std::string error = files.Commit(); !error.empty())
    return Fail(err, kOutputError, error);
  report.files = files.Written();
  report.dataSize = streamed ? streamedDataSize : targetOutcome.dataSize;
  if (classicConvert && !streamed) {
    const bool table = exported.TableInMainFile() || exported.TableInOwnFile();
    report.dataSize =
        static_cast<std::size_t>(OutputDataBytes(engine, settings.preferences) +
                                 (table ? ColorTableBytes(engine, settings.preferences) : 0));
  }

  // --verify and --preview read back what was written; the standard output is kept here.
  const bool check =
      convert && (o.verify || o.preview) && (o.output || !(o.describe || o.saveImage));
  std::string shownOutput;
  if (convert && !o.output && !o.describe && !o.saveImage) {
    const ByteSink toOut = [out, check, &shownOutput](std::string_view bytes) {
      std::fwrite(bytes.data(), 1, bytes.size(), out);
      if (check)
        shownOutput += bytes;
    };
    if (classic) {
      WriteMainFileContent(exported, ExportKind::Text, toOut, lineEnd);
    } else {
      toOut(targetOutcome.standardOutput);
    }
  }
  if (std::fflush(out) != 0 || std::ferror(out)) {
    return Fail(err, kOutputError, std::string("standard output: ") + std::strerror(errno));
  }
  if (check) {
    WrittenRun written = classic ? ClassicWrittenRun(o, settings, exported, document)
                                 : TargetWrittenRun(target, plan, document);
    written.standardOutput = std::move(shownOutput);
    if (const int code = CheckWrittenRun(o, written, err); code != kSuccess)
      return code;
  }
  if (classicConvert && o.stats) {
    PrintStatistics(ComputeOutputStatistics(false, engine, settings.preferences, paletteMode), err);
  }
  if (convert && !classic && o.stats) {
    std::fprintf(err, "Output data size: %zu bytes\nColor table size:\nCompression ratio:\n",
                 targetOutcome.dataSize);
  }
  return kSuccess;
}

}  // namespace pixmora::cli

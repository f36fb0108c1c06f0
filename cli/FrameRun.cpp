#include "cli/FrameRun.h"

#include "cli/Edits.h"
#include "cli/OutputFiles.h"
#include "cli/TargetRun.h"
#include "conversion/ImageBaseName.h"
#include "image/ConsoleDocumentView.h"
#include "image/FrameEdits.h"
#include "image/Frames.h"
#include "image/ReadImageFile.h"
#include "targets/ArrayName.h"
#include "targets/CodeWriter.h"
#include "targets/FramesConversion.h"
#include "targets/Provenance.h"
#include "targets/RawBytes.h"

namespace pixmora::cli {

namespace {

int Fail(std::FILE* err, int code, const std::string& message) {
  std::fprintf(err, "%s\n", message.c_str());
  return code;
}

FrameSet ReadFrames(const CliOptions& o) {
  if (o.framesFiles)
    return ReadFrameFiles(o.images);
  if (!o.framesGrid && UpperExtension(o.image) == ".GIF")
    return ReadGifFrames(o.image);
  ImageFileRead read = ReadImageFile(o.image, 0);
  FrameSet set;
  if (!read.ok) {
    set.error = read.error;
    return set;
  }
  AnimationFrame frame{{}, kSheetFrameDelayMs};
  CopyStaging(read.staging, frame.image);
  if (read.hasPalette)
    set.palette = read.paletteEntries;
  if (!o.framesGrid) {
    set.frames.push_back(std::move(frame));
    return set;
  }
  FrameSet cut = CutFrameGrid(frame.image, o.framesGrid->first, o.framesGrid->second, o.image);
  cut.palette = std::move(set.palette);
  return cut;
}

}  // namespace

int ConvertFrames(const CliOptions& o, const Settings& settings,
                  std::span<const std::string> commandLine, std::FILE* out, std::FILE* err,
                  PictureReport& report) {
  const TargetSettings& target = settings.target;
  const bool classic = target.target == TargetKind::Classic;
  if (std::string error = CheckTargetOptions(o, target); !error.empty())
    return Fail(err, kUsageError, error);
  TargetOutputPlan plan = PlanTargetOutput(o, target);
  if (!plan.error.empty())
    return Fail(err, kUsageError, plan.error);

  FrameSet set = ReadFrames(o);
  if (!set.error.empty())
    return Fail(err, kInputError, set.error);
  const FrameRange range = *o.frames;
  const int last = range.last < 0 ? static_cast<int>(set.frames.size()) - 1 : range.last;
  if (std::string error = SelectFrames(set, range.first, last); !error.empty())
    return Fail(err, kUsageError, "--frames: " + o.image + ": " + error);

  const ImageMode mode = classic ? ChooseMode(o, !set.palette.empty()) : ImageMode::Color;
  const bool threshold = classic && mode == ImageMode::Monochrome && !HasThreshold(o.edits);
  if (std::string error = EditFrames(set, o.edits, settings.filter, threshold); !error.empty())
    return Fail(err, kUsageError, error);

  const std::string name = ArrayName(o.name ? *o.name : ImageBaseName(o.image));
  ConsoleMessages messages;
  TargetResult result = ConvertFrameSet(
      set, {mode, settings.preferences, settings.custom, target, name, o.frameDelta}, messages);
  if (!result.error.empty() && !messages.first.empty())
    result.error += " (" + messages.first + ")";
  if (!result.error.empty())
    return Fail(err, kConversionRefused, o.image + ": " + result.error);

  const std::string provenance = Provenance("pixmora-cli", commandLine);
  OutputFiles files;
  if (plan.files.mainFile.empty()) {
    CodeFiles code;
    WriteCode(result.data, target, provenance, {}, code);
    std::fwrite(code.header.data(), 1, code.header.size(), out);
    if (std::fflush(out) != 0 || std::ferror(out))
      return Fail(err, kOutputError, "standard output: cannot write");
  } else {
    for (auto& [path, bytes] : TargetFileContents(result.data, target, provenance, plan.files))
      files.Add(path).Write(bytes);
  }
  if (o.saveSettings)
    files.Add(*o.saveSettings).Write(SavedSettingsText(*o.saveSettings, settings));
  if (std::string error = files.Commit(); !error.empty())
    return Fail(err, kOutputError, error);
  if (o.saveSettings) {
    std::fprintf(err,
                 "--save-settings: %s holds the settings; the frame options (--frames, "
                 "--frames-grid, --frames-files, --frame-delta) belong to this run and are not "
                 "saved\n",
                 o.saveSettings->c_str());
  }
  report.files = files.Written();
  report.dataSize = RawSize(result.data);
  if (o.stats) {
    std::fprintf(err, "Frames: %zu\nOutput data size: %zu bytes\n", set.frames.size(),
                 report.dataSize);
  }
  return kSuccess;
}

}  // namespace pixmora::cli

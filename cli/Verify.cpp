#include "cli/Verify.h"

#include "cli/RunCli.h"
#include "decode/ExpectedPictures.h"
#include "decode/PictureCompare.h"
#include "image/PngWriter.h"
#include "platform/AtomicFile.h"

namespace pixmora::cli {

namespace {

TextSyntax SyntaxOf(const Settings& settings) {
  switch (settings.preferences.Effective(OptionGroup::OutputFormat)) {
    case Option::BasicData:
      return {ArraySyntax::BasicData};
    case Option::Custom:
      return {ArraySyntax::Custom, MakeOutputFormat(settings.preferences, settings.custom)};
    default:
      return {ArraySyntax::CArray};
  }
}

std::span<const std::uint32_t> PaletteOf(const ImageDocument& document) {
  if (!document.HasPalette)
    return {};
  return std::span(document.ColorTable)
      .first(std::min(document.ColorTable.size(),
                      static_cast<std::size_t>(std::max(document.PaletteColorCount, 0))));
}

}  // namespace

WrittenRun ClassicWrittenRun(const CliOptions& o, const Settings& settings,
                             const ExportSource& exported, const ImageDocument& document) {
  WrittenRun run;
  run.layout.classic = LayoutOfExport(exported);
  run.layout.syntax = SyntaxOf(settings);
  run.binary = o.output && ExportKindOf(*o.output) == ExportKind::Binary;
  run.mainFile = o.output.value_or("");
  if (exported.paletteMode && exported.TableInOwnFile()) {
    run.companionFile = o.tableOutput.value_or("");
  } else if (exported.paletteMode && !exported.TableInMainFile()) {
    // No file holds the table: the display gets the conversion's own.
    const auto& table = exported.engine.ColorTableData();
    run.layout.colorTable.emplace(table.begin(), table.end());
  }
  ColorModeFields fields;
  ReadColorModeWord(run.layout.classic.colorModeWord, fields);
  run.expected =
      ExpectedClassicPicture(document.WorkingImage, fields.encoding, PaletteOf(document));
  return run;
}

WrittenRun TargetWrittenRun(const TargetSettings& settings, const TargetOutputPlan& plan,
                            const ImageDocument& document) {
  WrittenRun run;
  run.layout.target =
      TargetLayoutOf(settings, document.WorkingImage.Width(), document.WorkingImage.Height());
  run.binary = plan.files.binary;
  run.mainFile = plan.files.mainFile;
  run.companionFile = plan.files.headerFile;
  run.expected = ExpectedTargetPicture(document.WorkingImage, settings);
  return run;
}

std::string WritePreview(const std::string& path, const TBitmap32& picture, int scale) {
  const PngFile png = EncodePng(scale == 1 ? picture : ScaleNearest(picture, scale));
  std::string reason = png.error.empty() ? WriteFileAtomically(path, png.bytes) : png.error;
  return reason.empty() ? reason : path + ": " + reason;
}

int CheckWrittenRun(const CliOptions& o, const WrittenRun& run, std::FILE* err) {
  const auto fail = [err](int code, const std::string& message) {
    std::fprintf(err, "%s\n", message.c_str());
    return code;
  };
  WrittenFile main{run.mainFile.empty() ? "standard output" : run.mainFile, run.standardOutput};
  std::string mainBytes;
  if (!run.mainFile.empty()) {
    if (std::string reason = ReadWholeFile(run.mainFile, mainBytes); !reason.empty())
      return fail(kVerificationFailed, "verification failed: " + run.mainFile + ": " + reason);
    main.bytes = mainBytes;
  }
  std::string companionBytes;
  WrittenFile companion{run.companionFile, {}};
  if (!run.companionFile.empty()) {
    if (std::string reason = ReadWholeFile(run.companionFile, companionBytes); !reason.empty()) {
      return fail(kVerificationFailed, "verification failed: " + run.companionFile + ": " + reason);
    }
    companion.bytes = companionBytes;
  }
  const DecodeOutcome shown =
      DecodeWritten(run.layout, run.binary, main, run.companionFile.empty() ? nullptr : &companion);
  if (!shown.Ok())
    return fail(kVerificationFailed, "verification failed: " + shown.error);
  if (o.preview) {
    if (std::string error = WritePreview(*o.preview, shown.picture, o.previewScale);
        !error.empty()) {
      return fail(kOutputError, error);
    }
  }
  if (!o.verify)
    return kSuccess;
  if (const auto difference = FirstDifference(shown.picture, run.expected))
    return fail(kVerificationFailed, "verification failed: " + main.name + ": " + *difference);
  return kSuccess;
}

}  // namespace pixmora::cli

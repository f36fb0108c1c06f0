#include "ui/FramesExport.h"

#include "conversion/ImageBaseName.h"
#include "image/FrameEdits.h"
#include "image/ReadImageFile.h"
#include "platform/AtomicFile.h"
#include "targets/ArrayName.h"
#include "targets/FramesConversion.h"
#include "targets/Provenance.h"
#include "targets/RawBytes.h"
#include "ui/ExportFiles.h"
#include "ui/TargetExport.h"

namespace pixmora {

std::string EditLikeDocument(FrameSet& set, const ImageDocument& document) {
  // Every resize the desktop records names its filter.
  const std::string error = EditFrames(set, document.Edits, ResampleFilter::Linear, false);
  return error.empty() ? error : document.CurrentFileName + ": " + error;
}

FramesExportResult ExportAllFrames(const ImageDocument& document, const Preferences& preferences,
                                   const CustomFormat& custom, const TargetSettings& target,
                                   const std::string& fileName, MessageBoxService& messages) {
  FramesExportResult result;
  FrameSet set;
  if (UpperExtension(document.CurrentFileName) == ".GIF") {
    set = ReadGifFrames(document.CurrentFileName);
    if (set.error.empty())
      set.error = EditLikeDocument(set, document);
    if (!set.error.empty()) {
      result.error = set.error;
      return result;
    }
  } else {
    set.frames.push_back({document.WorkingImage, kSheetFrameDelayMs});
    if (document.HasPalette) {
      set.palette.assign(
          document.ColorTable.begin(),
          document.ColorTable.begin() + std::min<std::ptrdiff_t>(document.PaletteColorCount,
                                                                 std::ssize(document.ColorTable)));
    }
  }
  // A settings file's target of two files writes FILE.c and FILE.h; the classic table is one
  // header like a target's.
  const auto files = TargetFilesFor(fileName, target);
  if (!files) {
    result.error =
        CannotCreateFileMessage(fileName, "a .c and a .h file: name them FILE.c, FILE.h or FILE.");
    return result;
  }
  const std::string name = ArrayName(ImageBaseName(document.CurrentFileName));
  const TargetResult table = ConvertFrameSet(
      set, {document.ImageMode, preferences, custom, target, name, false}, messages);
  if (!table.error.empty()) {
    result.error = document.CurrentFileName + ": " + table.error;
    return result;
  }
  std::vector<std::string> arguments =
      EquivalentArguments(document.CurrentFileName, target, fileName);
  arguments.insert(arguments.begin() + 1, {"--frames", "all"});
  const std::string provenance = Provenance("Pixmora_Convert", arguments);
  if (const auto failure =
          WriteFilesAtomically(TargetFileContents(table.data, target, provenance, *files))) {
    result.error = CannotCreateFileMessage(failure->path, failure->reason);
    return result;
  }
  result.frameCount = set.frames.size();
  result.dataSize = RawSize(table.data);
  return result;
}

OutputStatistics FramesOutputStatistics(const FramesExportResult& result) {
  OutputStatistics statistics = TargetOutputStatistics(result.dataSize);
  statistics.lblOutputDataSize.caption += ", all " + std::to_string(result.frameCount) + " frames";
  return statistics;
}

}  // namespace pixmora

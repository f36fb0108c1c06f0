#pragma once

#include <cstddef>
#include <string>

#include "image/Frames.h"
#include "image/ImageDocument.h"
#include "settings/CustomFormat.h"
#include "settings/Preferences.h"
#include "targets/TargetSettings.h"
#include "ui/OutputStatistics.h"

namespace pixmora {

struct FramesExportResult {
  std::string error;  // names the file and the reason; empty when written
  std::size_t frameCount = 0;
  std::size_t dataSize = 0;  // all frames and their tables, as a .bin file holds them
};

// Runs the document's edits on every frame of the set, as the command line runs its edits.
// Returns the message of an edit that is refused, after the file's name, or an empty text.
std::string EditLikeDocument(FrameSet& set, const ImageDocument& document);

// "Export All Frames...": every frame of the open file (a GIF's frames composed as a viewer shows
// them and edited as the document was, any other picture as its one working image) in one table,
// for the target or for the classic output in the document's mode, written to `fileName` as the
// export writes a target's output. A color reduction of the document reduces all frames together
// to as many colors.
FramesExportResult ExportAllFrames(const ImageDocument& document, const Preferences& preferences,
                                   const CustomFormat& custom, const TargetSettings& target,
                                   const std::string& fileName, MessageBoxService& messages);

// The statistics of that export: the size of all frames together.
OutputStatistics FramesOutputStatistics(const FramesExportResult& result);

}  // namespace pixmora

#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "cli/CliOptions.h"
#include "conversion/ConversionEngine.h"
#include "platform/AtomicFile.h"
#include "platform/MessageBox.h"
#include "ui/ExportFiles.h"

namespace pixmora::cli {

// Whether the options let the classic output be written while it is made, straight into its
// file: nothing of the run (--verify, --preview, --stats, --save-image, --compare) reads the
// results or the working image afterwards.
bool StreamsClassicOutput(const CliOptions& o);

// Whether the engine would run this input at all (a matching size, at most 256 palette colors);
// an input it refuses goes the engine's way for the engine's refusal.
bool CanStream(const ConversionInput& input);

// Where the streamed output goes: the main file and, when the table has a file of its own,
// that file, both written as the export writes them.
struct StreamTargets {
  PendingFile& main;
  PendingFile* table = nullptr;
  ExportKind kind = ExportKind::Text;
  bool tableInMainFile = false;
  std::string_view lineEnd = kCrLf;
};

struct StreamOutcome {
  bool completed = false;    // false: a pixel is in no palette entry, shown through messages
  std::size_t dataSize = 0;  // the bytes of the arrays, color table included
};

// Converts the picture band by band as the engine would and writes the export of the result:
// encoded, joined, compressed and formatted in pieces, so the memory needed is the picture's
// and the compressed values' at most. `threshold`: the monochrome threshold that has not been
// applied to the picture yet.
StreamOutcome StreamClassicOutput(const ConversionInput& input,
                                  std::optional<std::uint32_t> threshold,
                                  const StreamTargets& targets, MessageBoxService& messages);

}  // namespace pixmora::cli

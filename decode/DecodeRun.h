#pragma once

#include <string>

#include "decode/ClassicLayout.h"
#include "decode/OutputDecoder.h"
#include "targets/TargetData.h"
#include "ui/ExportFiles.h"

namespace pixmora {

// What a display shows of a conversion's results, decoded from the bytes a binary export of
// them holds (the values a text writes, without the text). For a window's preview.

// The bytes a binary export of the last classic conversion writes.
struct ClassicRunBytes {
  std::string main;   // the main file: the color table first when it is written there
  std::string table;  // the color table's file of its own; empty when there is none
};
ClassicRunBytes BytesOfClassicRun(const ExportSource& source);
// Those bytes decoded, written with `layout` (LayoutOfExport of the same source).
DecodeOutcome DecodeClassicBytes(const ClassicRunBytes& bytes, const ClassicLayout& layout);

// The last classic conversion; its color table from wherever it is written.
DecodeOutcome DecodeClassicRun(const ExportSource& source);
// A target's data, as EncodeTarget made it with `settings`.
DecodeOutcome DecodeTargetRun(const TargetData& data, const TargetSettings& settings);

}  // namespace pixmora

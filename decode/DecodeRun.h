#pragma once

#include "decode/OutputDecoder.h"
#include "targets/TargetData.h"
#include "ui/ExportFiles.h"

namespace pixmora {

// What a display shows of a conversion's results, decoded from the bytes a binary export of
// them holds (the values a text writes, without the text). For a window's preview.

// The last classic conversion; its color table from wherever it is written.
DecodeOutcome DecodeClassicRun(const ExportSource& source);
// A target's data, as EncodeTarget made it with `settings`.
DecodeOutcome DecodeTargetRun(const TargetData& data, const TargetSettings& settings);

}  // namespace pixmora

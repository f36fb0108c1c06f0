#pragma once

#include <cstdio>
#include <string>

#include "cli/CliOptions.h"
#include "cli/ComposeSettings.h"
#include "cli/TargetRun.h"
#include "decode/DecodeWritten.h"
#include "image/ImageDocument.h"
#include "ui/ExportFiles.h"

namespace pixmora::cli {

// What a run wrote, and what a display should show of it.
struct WrittenRun {
  OutputLayout layout;
  bool binary = false;
  std::string mainFile;        // empty: the text went to the standard output
  std::string companionFile;   // the color table's file, or a .c/.h pair's header; may be empty
  std::string standardOutput;  // the text, when mainFile is empty
  TBitmap32 expected;
};

WrittenRun ClassicWrittenRun(const CliOptions& o, const Settings& settings,
                             const ExportSource& exported, const ImageDocument& document);
WrittenRun TargetWrittenRun(const TargetSettings& settings, const TargetOutputPlan& plan,
                            const ImageDocument& document);

// After the files are in place: reads them back and decodes them, writes --preview (a PNG of
// the decoded picture, scaled by --preview-scale) and with --verify compares the decoded picture
// with the expected one. Returns the exit status: 0, 4 when the preview cannot be written, 5
// when the output does not decode or shows a pixel other than expected.
int CheckWrittenRun(const CliOptions& o, const WrittenRun& run, std::FILE* err);

// Writes `picture`, scaled, as a PNG file; returns "FILE: reason" on failure.
std::string WritePreview(const std::string& path, const TBitmap32& picture, int scale);

}  // namespace pixmora::cli

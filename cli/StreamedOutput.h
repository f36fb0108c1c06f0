#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "cli/CliOptions.h"
#include "conversion/ConversionEngine.h"
#include "image/TBitmap32.h"
#include "platform/AtomicFile.h"
#include "platform/MessageBox.h"
#include "ui/ExportFiles.h"

namespace pixmora::cli {

// Whether the options let the classic output be written while it is made, straight into its
// file: nothing of the run (--verify, --preview, --stats, --save-image, --compare) reads the
// results or the working image afterwards.
bool StreamsClassicOutput(const CliOptions& o);

// Where the streamed output reads the picture's rows.
class RowSource {
 public:
  virtual ~RowSource() = default;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  // The first `rows` rows (0xAARRGGBB, one after the other); waits for a picture still being
  // decoded. Nothing when they will not come: the decoding failed.
  virtual const std::uint32_t* WaitRows(int rows) = 0;
};

// The rows of a picture that is all there.
class WholePicture final : public RowSource {
 public:
  explicit WholePicture(const TBitmap32& image) : image_(image) {}
  int Width() const override { return image_.Width(); }
  int Height() const override { return image_.Height(); }
  const std::uint32_t* WaitRows(int) override { return image_.Pixels().data(); }

 private:
  const TBitmap32& image_;
};

// Whether the engine would run this input on these rows at all (the size it was told, at most
// 256 palette colors); an input it refuses goes the engine's way for the engine's refusal.
bool CanStream(const ConversionInput& input, const RowSource& rows);

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
  // False when the rows did not come (the decoding failed) or a pixel is in no palette entry,
  // which the messages show.
  bool completed = false;
  std::size_t dataSize = 0;  // the bytes of the arrays, color table included
};

// Converts the picture band by band as the engine would and writes the export of the result:
// encoded, joined, compressed and formatted in pieces, so the memory needed is the picture's
// and the compressed values' at most. `threshold`: the monochrome threshold that has not been
// applied to the picture yet.
StreamOutcome StreamClassicOutput(const ConversionInput& input, RowSource& rows,
                                  std::optional<std::uint32_t> threshold,
                                  const StreamTargets& targets, MessageBoxService& messages);

}  // namespace pixmora::cli

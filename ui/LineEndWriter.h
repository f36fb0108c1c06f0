#pragma once

#include <string_view>

#include "ui/ExportFiles.h"

namespace pixmora {

// Writes text with every line break (CR LF, a lone CR, a lone LF) replaced by lineEnd, and a
// lineEnd after a last line that has none. Runs that need no change go out as they are, so an
// export that already has the wanted line ends is not copied.
class LineEndWriter {
 public:
  LineEndWriter(const ByteSink& sink, std::string_view lineEnd) : sink_(sink), lineEnd_(lineEnd) {}

  void Feed(std::string_view text);

  // Ends a last line that has no line end.
  void Finish();

 private:
  void Emit(std::string_view bytes);

  const ByteSink& sink_;
  std::string_view lineEnd_;
  bool afterCr_ = false;
  bool endedLine_ = true;
  bool wroteAny_ = false;
};

}  // namespace pixmora

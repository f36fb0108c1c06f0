#include "ui/LineEndWriter.h"

#include <algorithm>

namespace pixmora {

void LineEndWriter::Feed(std::string_view text) {
  if (text.empty())
    return;
  wroteAny_ = true;
  std::size_t pos = 0;
  if (afterCr_ && text.front() == '\n')
    pos = 1;  // a CR LF split between two pieces
  afterCr_ = false;
  std::size_t run = pos;  // start of the bytes that go out unchanged
  std::size_t nextCr = text.find('\r', pos);
  std::size_t nextLf = text.find('\n', pos);
  while (pos < text.size()) {
    const std::size_t end = std::min(nextCr, nextLf);
    if (end == std::string_view::npos) {
      endedLine_ = false;
      break;
    }
    std::size_t after = end + 1;
    bool asWanted;
    if (end == nextLf) {
      asWanted = lineEnd_ == "\n";
    } else if (after < text.size() && text[after] == '\n') {
      ++after;
      asWanted = lineEnd_ == kCrLf;
    } else {
      afterCr_ = after == text.size();
      asWanted = false;
    }
    if (!asWanted) {
      Emit(text.substr(run, end - run));
      Emit(lineEnd_);
      run = after;
    }
    endedLine_ = true;
    pos = after;
    if (nextCr < pos)
      nextCr = text.find('\r', pos);
    if (nextLf < pos)
      nextLf = text.find('\n', pos);
  }
  Emit(text.substr(run));
}

void LineEndWriter::Finish() {
  if (wroteAny_ && !endedLine_)
    Emit(lineEnd_);
}

void LineEndWriter::Emit(std::string_view bytes) {
  if (!bytes.empty())
    sink_(bytes);
}

}  // namespace pixmora

#include "ui/ExportFiles.h"

#include <algorithm>
#include <array>

#include "image/ReadImageFile.h"
#include "platform/AtomicFile.h"

namespace pixmora {

namespace {

using enum Option;

// Writes text with every line break (CR LF, a lone CR, a lone LF) replaced by lineEnd, and a
// lineEnd after a last line that has none. Runs that need no change go out as they are, so an
// export that already has the wanted line ends is not copied.
class LineEndWriter {
 public:
  LineEndWriter(const ByteSink& sink, std::string_view lineEnd) : sink_(sink), lineEnd_(lineEnd) {}

  void Feed(std::string_view text) {
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

  void Finish() {
    if (wroteAny_ && !endedLine_)
      Emit(lineEnd_);
  }

 private:
  void Emit(std::string_view bytes) {
    if (!bytes.empty())
      sink_(bytes);
  }

  const ByteSink& sink_;
  std::string_view lineEnd_;
  bool afterCr_ = false;
  bool endedLine_ = true;
  bool wroteAny_ = false;
};

// Gathers bytes into blocks, so a long array costs one sink call per block.
class ByteWriter {
 public:
  explicit ByteWriter(const ByteSink& sink) : sink_(sink) {}
  ~ByteWriter() { Flush(); }

  void Put(std::uint32_t byte) {
    buffer_[size_++] = static_cast<char>(byte & 0xFFu);
    if (size_ == buffer_.size())
      Flush();
  }
  // High byte first.
  void PutWord(std::uint32_t word) {
    Put(word >> 8);
    Put(word);
  }
  void PutAll(const std::vector<std::int32_t>& values, bool words) {
    for (const std::int32_t value : values) {
      if (words) {
        PutWord(static_cast<std::uint32_t>(value));
      } else {
        Put(static_cast<std::uint32_t>(value));
      }
    }
  }

 private:
  void Flush() {
    if (size_ > 0)
      sink_(std::string_view(buffer_.data(), size_));
    size_ = 0;
  }

  const ByteSink& sink_;
  std::array<char, 1 << 16> buffer_;
  std::size_t size_ = 0;
};

bool WordData(const Preferences& p) {
  return p.Effective(OptionGroup::DataRepresentation) == Word;
}

bool WordTable(const Preferences& p) {
  return p.Effective(OptionGroup::TableRepresentation) == PaletteTableWord;
}

void WriteBinaryTable(const ExportSource& source, ByteWriter& out) {
  out.PutAll(source.engine.ColorTableData(), WordTable(source.preferences));
}

void WriteBinaryMain(const ExportSource& source, const ByteSink& sink) {
  ByteWriter out(sink);
  const Preferences& p = source.preferences;
  if (source.TableInMainFile())
    WriteBinaryTable(source, out);
  if (p.Is(IncludeInfo)) {
    if (WordData(p) && p.Is(LSBFirst)) {
      out.Put(source.ImageWidth);
      out.Put(source.ImageWidth >> 8);
      out.Put(source.ImageHeight);
      out.Put(source.ImageHeight >> 8);
    } else {
      out.PutWord(source.ImageWidth);
      out.PutWord(source.ImageHeight);
    }
    // As held: after a Word + LSB first run its bytes are already exchanged.
    out.PutWord(source.engine.ColorModeWord());
  }
  out.PutAll(source.engine.OutputData(), WordData(p));
}

std::string WriteFile(const std::string& fileName,
                      const std::function<void(const ByteSink&)>& content) {
  PendingFile file(fileName);
  content([&file](std::string_view bytes) { file.Write(bytes); });
  const std::string error = file.Commit();
  return error.empty() ? error : CannotCreateFileMessage(fileName, error);
}

}  // namespace

ExportKind ExportKindOf(std::string_view mainFileName) {
  return UpperExtension(std::string(mainFileName)) == ".BIN" ? ExportKind::Binary
                                                             : ExportKind::Text;
}

bool ExportSource::TableInMainFile() const {
  return paletteMode && preferences.Effective(OptionGroup::TableSaving) == PaletteSaveHeader;
}

bool ExportSource::TableInOwnFile() const {
  return paletteMode && preferences.Effective(OptionGroup::TableSaving) == PaletteSaveDiffFile;
}

void WriteMainFileContent(const ExportSource& source, ExportKind kind, const ByteSink& sink,
                          std::string_view lineEnd) {
  if (kind == ExportKind::Binary) {
    WriteBinaryMain(source, sink);
    return;
  }
  LineEndWriter text(sink, lineEnd);
  text.Feed(source.engine.OutputBanner());
  if (source.TableInMainFile())
    text.Feed(source.engine.ColorTableLines().TextView());
  text.Feed("\r\n\r\n");
  text.Feed(source.engine.OutputLines().TextView());
  text.Finish();
}

void WriteTableFileContent(const ExportSource& source, ExportKind kind, const ByteSink& sink,
                           std::string_view lineEnd) {
  if (kind == ExportKind::Binary) {
    ByteWriter out(sink);
    WriteBinaryTable(source, out);
    return;
  }
  LineEndWriter text(sink, lineEnd);
  text.Feed(source.engine.OutputBanner());
  text.Feed(source.engine.ColorTableLines().TextView());
  text.Finish();
}

std::string CannotCreateFileMessage(const std::string& fileName, const std::string& reason) {
  return "Cannot create file \"" + fileName + "\". " + reason;
}

std::string WriteExportFiles(const std::string& mainFileName, const ExportSource& source,
                             const std::function<std::optional<std::string>()>& tableFileName) {
  const ExportKind kind = ExportKindOf(mainFileName);
  std::string error = WriteFile(
      mainFileName, [&](const ByteSink& sink) { WriteMainFileContent(source, kind, sink); });
  if (!error.empty() || !source.TableInOwnFile())
    return error;
  const auto tableName = tableFileName();
  if (!tableName)
    return {};
  return WriteFile(*tableName,
                   [&](const ByteSink& sink) { WriteTableFileContent(source, kind, sink); });
}

}  // namespace pixmora

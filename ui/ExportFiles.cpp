#include "ui/ExportFiles.h"

#include <algorithm>
#include <array>

#include "image/ReadImageFile.h"
#include "platform/AtomicFile.h"
#include "ui/LineEndWriter.h"

namespace pixmora {

namespace {

using enum Option;

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
  void PutAll(std::span<const std::int32_t> values, bool words) {
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

void WriteLead(const BinaryLead& lead, ByteWriter& out) {
  const Preferences& p = lead.preferences;
  if (lead.tableInMainFile)
    out.PutAll(lead.tableValues, WordTable(p));
  if (p.Is(IncludeInfo)) {
    if (WordData(p) && p.Is(LSBFirst)) {
      out.Put(lead.width);
      out.Put(lead.width >> 8);
      out.Put(lead.height);
      out.Put(lead.height >> 8);
    } else {
      out.PutWord(lead.width);
      out.PutWord(lead.height);
    }
    // As held: after a Word + LSB first run its bytes are already exchanged.
    out.PutWord(lead.colorModeWord);
  }
}

void WriteBinaryMain(const ExportSource& source, const ByteSink& sink) {
  ByteWriter out(sink);
  WriteLead({source.engine.ColorTableData(), source.TableInMainFile(), source.ImageWidth,
             source.ImageHeight, source.engine.ColorModeWord(), source.preferences},
            out);
  out.PutAll(source.engine.OutputData(), WordData(source.preferences));
}

std::string WriteFile(const std::string& fileName,
                      const std::function<void(const ByteSink&)>& content) {
  PendingFile file(fileName);
  content([&file](std::string_view bytes) { file.Write(bytes); });
  const std::string error = file.Commit();
  return error.empty() ? error : CannotCreateFileMessage(fileName, error);
}

}  // namespace

void WriteBinaryTable(std::span<const std::int32_t> tableValues, const Preferences& preferences,
                      const ByteSink& sink) {
  ByteWriter out(sink);
  out.PutAll(tableValues, WordTable(preferences));
}

void WriteBinaryLead(const BinaryLead& lead, const ByteSink& sink) {
  ByteWriter out(sink);
  WriteLead(lead, out);
}

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
    WriteBinaryTable(source.engine.ColorTableData(), source.preferences, sink);
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

#include "decode/DecodeRun.h"

#include "decode/ClassicDecoder.h"
#include "decode/TargetDecoder.h"
#include "targets/RawBytes.h"

namespace pixmora {

namespace {

std::span<const std::uint8_t> Bytes(const std::string& bytes) {
  return {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
}

std::string Content(const ExportSource& source, void (*write)(const ExportSource&, ExportKind,
                                                              const ByteSink&, std::string_view)) {
  std::string bytes;
  write(
      source, ExportKind::Binary, [&bytes](std::string_view part) { bytes += part; }, kCrLf);
  return bytes;
}

}  // namespace

DecodeOutcome DecodeClassicRun(const ExportSource& source) {
  const ClassicLayout layout = LayoutOfExport(source);
  ClassicDecoder decoder(layout);
  if (source.paletteMode && !source.TableInMainFile()) {
    const std::string table = Content(source, WriteTableFileContent);
    decoder.UseColorTable(
        BinaryValues(Bytes(table), layout.tableWord).value_or(std::vector<std::uint16_t>{}));
  }
  return decoder.DecodeBinary(Bytes(Content(source, WriteMainFileContent)));
}

DecodeOutcome DecodeTargetRun(const TargetData& data, const TargetSettings& settings) {
  const TargetDecoder decoder(TargetLayoutOf(settings, data.width, data.height));
  return decoder.DecodeBinary(Bytes(RawBytes(data)));
}

}  // namespace pixmora

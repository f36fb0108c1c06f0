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

ClassicRunBytes BytesOfClassicRun(const ExportSource& source) {
  ClassicRunBytes bytes;
  bytes.main = Content(source, WriteMainFileContent);
  if (source.paletteMode && !source.TableInMainFile())
    bytes.table = Content(source, WriteTableFileContent);
  return bytes;
}

DecodeOutcome DecodeClassicBytes(const ClassicRunBytes& bytes, const ClassicLayout& layout) {
  ClassicDecoder decoder(layout);
  if (!bytes.table.empty()) {
    decoder.UseColorTable(
        BinaryValues(Bytes(bytes.table), layout.tableWord).value_or(std::vector<std::uint16_t>{}));
  }
  return decoder.DecodeBinary(Bytes(bytes.main));
}

DecodeOutcome DecodeClassicRun(const ExportSource& source) {
  return DecodeClassicBytes(BytesOfClassicRun(source), LayoutOfExport(source));
}

DecodeOutcome DecodeTargetRun(const TargetData& data, const TargetSettings& settings) {
  const TargetDecoder decoder(TargetLayoutOf(settings, data.width, data.height));
  return decoder.DecodeBinary(Bytes(RawBytes(data)));
}

}  // namespace pixmora

#include "decode/DecodeWritten.h"

#include <span>

#include "decode/ClassicDecoder.h"
#include "decode/CodeFacts.h"
#include "decode/DecodeOutputFile.h"
#include "decode/TargetDecoder.h"

namespace pixmora {

namespace {

std::span<const std::uint8_t> Bytes(std::string_view bytes) {
  return {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
}

DecodeOutcome DecodeFile(const OutputDecoder& decoder, bool binary, const WrittenFile& file,
                         const TextSyntax& syntax) {
  if (binary)
    return DecodeOutputBinary(file.name, Bytes(file.bytes), decoder);
  return DecodeOutputText(file.name, file.bytes, syntax, decoder);
}

// The values of a color table file: its one array, or its bytes.
std::optional<DecodeOutcome> ReadTableFile(const OutputLayout& layout, bool binary,
                                           const WrittenFile& file,
                                           std::vector<std::uint16_t>& values) {
  const std::string cannot = "Cannot decode \"" + file.name + "\": ";
  if (binary) {
    auto read = BinaryValues(Bytes(file.bytes), layout.classic.tableWord);
    if (!read)
      return DecodeOutcome::Failure(cannot + "a table of words holds an odd number of bytes");
    values = std::move(*read);
    return std::nullopt;
  }
  ArrayText text = ReadArrayText(file.bytes, layout.syntax);
  if (!text.error.empty())
    return DecodeOutcome::Failure(cannot + text.error);
  if (text.arrays.size() != 1) {
    return DecodeOutcome::Failure(cannot + "a color table file holds one array, not " +
                                  std::to_string(text.arrays.size()));
  }
  values = std::move(text.arrays.front().values);
  return std::nullopt;
}

}  // namespace

DecodeOutcome DecodeWritten(const OutputLayout& layout, bool binary, const WrittenFile& main,
                            const WrittenFile* companion) {
  if (!layout.target) {
    ClassicDecoder decoder(layout.classic);
    if (companion != nullptr) {
      std::vector<std::uint16_t> values;
      if (auto failure = ReadTableFile(layout, binary, *companion, values))
        return std::move(*failure);
      decoder.UseColorTable(std::move(values));
    } else if (layout.colorTable) {
      decoder.UseColorTable(*layout.colorTable);
    }
    return DecodeFile(decoder, binary, main, layout.syntax);
  }
  TargetLayout target = *layout.target;
  if (!binary) {
    CodeFacts facts = ReadCodeFacts(main.bytes);
    if (companion != nullptr)
      facts.Add(ReadCodeFacts(companion->bytes));
    facts.ApplyTo(target);
  }
  return DecodeFile(TargetDecoder(target), binary, main, layout.syntax);
}

}  // namespace pixmora

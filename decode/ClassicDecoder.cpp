#include "decode/ClassicDecoder.h"

#include <algorithm>

#include "decode/ClassicPixels.h"
#include "decode/RunLength.h"
#include "decode/ValueText.h"
#include "image/ImageLimits.h"

namespace pixmora {

namespace {

// The parts Decode reports positions in, as DataPosition::array; each caller maps them to
// its own places.
constexpr std::size_t kTablePart = 0;
constexpr std::size_t kImagePart = 1;

DataPosition InTable(std::size_t index) {
  return {kTablePart, index};
}
DataPosition InImage(std::size_t index) {
  return {kImagePart, index};
}
// The last value of the image data; the place where it starts when there is none.
DataPosition LastOf(std::span<const std::uint16_t> values) {
  return InImage(values.empty() ? 0 : values.size() - 1);
}

// A fault in a color table of its own has no place in the file decoded; the message says where.
void PlaceInSeparateTable(DecodeOutcome& outcome) {
  outcome.error +=
      " (value " + std::to_string(outcome.position->index + 1) + " of the separate color table)";
  outcome.position.reset();
}

std::string SizeText(int width, int height) {
  return std::to_string(width) + " x " + std::to_string(height);
}

// Word data splits back into the bytes the encoder wrote; an odd last byte was joined as the
// second byte of a pair whose first byte is 0.
std::vector<std::uint8_t> DataBytes(std::span<const std::uint16_t> elements,
                                    std::uint64_t byteCount, bool word, bool lsbFirst) {
  std::vector<std::uint8_t> bytes(byteCount);
  if (!word) {
    for (std::size_t i = 0; i < bytes.size(); ++i)
      bytes[i] = static_cast<std::uint8_t>(elements[i]);
    return bytes;
  }
  const int firstShift = lsbFirst ? 0 : 8;
  const int secondShift = 8 - firstShift;
  const std::size_t pairs = bytes.size() / 2;
  for (std::size_t i = 0; i < pairs; ++i) {
    bytes[2 * i] = static_cast<std::uint8_t>(elements[i] >> firstShift);
    bytes[2 * i + 1] = static_cast<std::uint8_t>(elements[i] >> secondShift);
  }
  if (bytes.size() % 2 != 0)
    bytes.back() = static_cast<std::uint8_t>(elements[pairs] >> secondShift);
  return bytes;
}

// The 5-6-5 colors of the table values: one per word, or one per two bytes, high byte first.
std::optional<DecodeOutcome> ReadTable(const std::vector<std::uint16_t>& values, bool tableWord,
                                       bool lsbFirst, std::vector<std::uint16_t>& colors) {
  if (tableWord) {
    colors.clear();
    for (const std::uint16_t value : values)
      colors.push_back(lsbFirst ? SwapBytes(value) : value);
    return std::nullopt;
  }
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (values[i] > 0xFF) {
      return DecodeOutcome::Failure(
          "the color table value " + HexValue(values[i]) + " does not fit in a byte", InTable(i));
    }
  }
  if (values.size() % 2 != 0) {
    return DecodeOutcome::Failure(
        "the color table holds an odd number of bytes, but every color has two",
        InTable(values.size() - 1));
  }
  colors.resize(values.size() / 2);
  for (std::size_t k = 0; k < colors.size(); ++k)
    colors[k] = static_cast<std::uint16_t>(values[2 * k] << 8 | values[2 * k + 1]);
  return std::nullopt;
}

// What the image information says, or the layout without it.
struct Head {
  int width = 0;
  int height = 0;
  ColorModeFields fields;
  std::size_t infoLength = 0;  // values
};

std::optional<DecodeOutcome> ReadHead(const ClassicLayout& layout,
                                      std::span<const std::uint16_t> image, Head& head) {
  const bool word = layout.word;
  std::uint16_t mode = layout.colorModeWord;
  head.width = layout.width;
  head.height = layout.height;
  if (layout.includeInfo) {
    head.infoLength = word ? 3 : 6;
    if (image.size() < head.infoLength) {
      return DecodeOutcome::Failure(
          "the data ends inside the image information, which takes " + ValueCount(head.infoLength),
          LastOf(image));
    }
    // Byte data writes each field high byte first; Word with LSB first exchanges the bytes.
    const auto field = [&](std::size_t k) -> std::uint16_t {
      if (!word)
        return static_cast<std::uint16_t>(image[2 * k] << 8 | image[2 * k + 1]);
      return layout.lsbFirst ? SwapBytes(image[k]) : image[k];
    };
    head.width = field(0);
    head.height = field(1);
    mode = field(2);
  }
  const auto fieldAt = [&](std::size_t field) -> std::optional<DataPosition> {
    if (!layout.includeInfo)
      return std::nullopt;
    return InImage(word ? field : 2 * field);
  };
  if (const std::string why = ReadColorModeWord(mode, head.fields); !why.empty()) {
    std::string hex;
    AppendHex(hex, mode, 4);
    return DecodeOutcome::Failure("the color mode word 0x" + hex + " names no encoding: " + why,
                                  fieldAt(2));
  }
  if (const std::string why = CheckImageSize(head.width, head.height); !why.empty())
    return DecodeOutcome::Failure(why, fieldAt(0));
  return std::nullopt;
}

// The bytes the encoder wrote: the runs expanded and the words split.
std::optional<DecodeOutcome> ReadEncodedBytes(const ClassicLayout& layout, const Head& head,
                                              std::span<const std::uint16_t> image,
                                              std::vector<std::uint8_t>& bytes) {
  const std::uint64_t byteCount = EncodedByteCount(head.fields.encoding, head.width, head.height);
  const std::size_t elementCount = layout.word ? (byteCount + 1) / 2 : byteCount;
  std::span<const std::uint16_t> elements = image.subspan(head.infoLength);
  std::vector<std::uint16_t> expanded;
  if (head.fields.compressed) {
    if (const auto fault = ExpandRuns(elements, elementCount, expanded))
      return DecodeOutcome::Failure(fault->reason, InImage(head.infoLength + fault->item));
    elements = expanded;
  } else if (elements.size() != elementCount) {
    return DecodeOutcome::Failure(
        "the data holds " + ValueCount(elements.size()) + ", but a " +
            SizeText(head.width, head.height) + " picture in " +
            std::string(EncodingName(head.fields.encoding)) + " needs " +
            std::to_string(elementCount),
        elements.size() > elementCount ? InImage(head.infoLength + elementCount) : LastOf(image));
  }
  bytes = DataBytes(elements, byteCount, layout.word, layout.lsbFirst);
  return std::nullopt;
}

}  // namespace

DecodeOutcome ClassicDecoder::Decode(std::span<const std::uint16_t> image,
                                     const std::vector<std::uint16_t>* table) const {
  if (!layout_.word) {
    for (std::size_t i = 0; i < image.size(); ++i) {
      if (image[i] > 0xFF) {
        return DecodeOutcome::Failure(HexValue(image[i]) + " does not fit in a byte of Byte data",
                                      InImage(i));
      }
    }
  }
  Head head;
  if (auto failure = ReadHead(layout_, image, head))
    return std::move(*failure);
  std::vector<std::uint8_t> bytes;
  if (auto failure = ReadEncodedBytes(layout_, head, image, bytes))
    return std::move(*failure);
  std::vector<std::uint16_t> colors;
  if (IsPalette(head.fields.encoding)) {
    if (table == nullptr)
      return DecodeOutcome::Failure("the palette data needs its color table, which is missing");
    if (auto failure = ReadTable(*table, layout_.tableWord, layout_.lsbFirst, colors))
      return std::move(*failure);
  }
  DecodeOutcome outcome;
  outcome.picture.SetSize(head.width, head.height);
  outcome.error = PaintPixels(head.fields.encoding, bytes, colors, outcome.picture);
  if (!outcome.Ok())
    outcome.picture = {};
  return outcome;
}

DecodeOutcome ClassicDecoder::DecodeArrays(std::span<const TextArray> arrays) const {
  if (arrays.empty())
    return DecodeOutcome::Failure("the text holds no array of values");
  if (arrays.size() > 2) {
    return DecodeOutcome::Failure("the text holds " + std::to_string(arrays.size()) +
                                  " arrays: the image data, and the color table before it, are "
                                  "at most two");
  }
  const bool tableInText = arrays.size() == 2;
  const std::vector<std::uint16_t>* table = tableInText      ? &arrays.front().values
                                            : separateTable_ ? &*separateTable_
                                                             : nullptr;
  DecodeOutcome outcome = Decode(arrays.back().values, table);
  if (outcome.position) {
    if (outcome.position->array == kImagePart) {
      outcome.position->array = arrays.size() - 1;
    } else if (!tableInText) {
      PlaceInSeparateTable(outcome);
    }
  }
  return outcome;
}

DecodeOutcome ClassicDecoder::DecodeBinary(std::span<const std::uint8_t> bytes) const {
  const std::size_t tableBytes =
      2 * static_cast<std::size_t>(std::max(layout_.binaryTableColors, 0));
  if (bytes.size() < tableBytes) {
    return DecodeOutcome::Failure("the file holds " + std::to_string(bytes.size()) +
                                  " bytes, fewer than the " + std::to_string(tableBytes) +
                                  " of its color table");
  }
  const auto image = BinaryValues(bytes.subspan(tableBytes), layout_.word);
  if (!image) {
    return DecodeOutcome::Failure("Word data takes two bytes a value, but an odd byte is left",
                                  DataPosition{0, bytes.size() - 1});
  }
  const auto inFile = BinaryValues(bytes.first(tableBytes), layout_.tableWord);
  const std::vector<std::uint16_t>* table = tableBytes > 0   ? &*inFile
                                            : separateTable_ ? &*separateTable_
                                                             : nullptr;
  DecodeOutcome outcome = Decode(*image, table);
  if (outcome.position) {
    DataPosition& position = outcome.position.value();
    if (position.array == kImagePart) {
      position = {0, tableBytes + position.index * (layout_.word ? 2 : 1)};
    } else if (tableBytes > 0) {
      position = {0, position.index * (layout_.tableWord ? 2 : 1)};
    } else {
      PlaceInSeparateTable(outcome);
    }
  }
  return outcome;
}

std::optional<std::vector<std::uint16_t>> BinaryValues(std::span<const std::uint8_t> bytes,
                                                       bool words) {
  if (!words)
    return std::vector<std::uint16_t>(bytes.begin(), bytes.end());
  if (bytes.size() % 2 != 0)
    return std::nullopt;
  std::vector<std::uint16_t> values(bytes.size() / 2);
  for (std::size_t i = 0; i < values.size(); ++i)
    values[i] = static_cast<std::uint16_t>(bytes[2 * i] << 8 | bytes[2 * i + 1]);
  return values;
}

}  // namespace pixmora

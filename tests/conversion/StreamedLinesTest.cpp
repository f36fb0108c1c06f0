#include "conversion/StreamedLines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "conversion/FormatLines.h"

namespace pixmora {
namespace {

// The text FormatLines makes of the values.
template <class Value>
std::string Whole(const std::vector<Value>& values, int digits, const OutputFormat& format) {
  NullProgressSink sink;
  Progress progress(sink);
  LineList lines;
  EXPECT_TRUE(FormatLines(std::vector<std::int32_t>(values.begin(), values.end()), lines, digits,
                          format, progress));
  return lines.Text();
}

// The same values through StreamedLines, `piece` values a call.
template <class Value>
std::string InPieces(const std::vector<Value>& values, const OutputFormat& format,
                     std::size_t piece) {
  StreamedLines lines(format, sizeof(Value) == 2 ? 4 : 2, values.size());
  std::vector<char> buffer(lines.MaxTextSize(piece));
  std::string text;
  for (std::size_t done = 0; done < values.size(); done += piece) {
    const std::size_t n = std::min(piece, values.size() - done);
    text.append(buffer.data(), lines.Put(values.data() + done, n, buffer.data()));
  }
  text.append(buffer.data(), lines.Finish(buffer.data()));
  return text;
}

std::vector<OutputFormat> Formats() {
  Preferences basic;
  basic.Set(Option::BasicData, true);
  CustomFormat custom;
  EXPECT_TRUE(custom.SetBytesPerLine(7));
  Preferences customChosen;
  customChosen.Set(Option::Custom, true);
  OutputFormat longCells;  // cells past the 16-byte stores
  longCells.HexPrefix = "value(0x";
  longCells.HexSuffix = ")";
  longCells.Separator = " ,\t ";
  longCells.RowPrefix = "    /* a row prefix longer than sixteen bytes */ ";
  longCells.ValuesPerLine = 5;
  return {OutputFormat{}, MakeOutputFormat(basic, {}), MakeOutputFormat(customChosen, custom),
          longCells};
}

TEST(StreamedLines, AnySplitGivesTheTextOfFormatLines) {
  std::vector<std::uint8_t> bytes;
  std::vector<std::uint16_t> words;
  for (int i = 0; i < 101; ++i) {
    bytes.push_back(static_cast<std::uint8_t>(i * 37));
    words.push_back(static_cast<std::uint16_t>(i * 4099));
  }
  for (const OutputFormat& format : Formats()) {
    for (const std::size_t piece :
         {std::size_t{1}, std::size_t{3}, std::size_t{16}, std::size_t{17}, std::size_t{101}}) {
      EXPECT_EQ(InPieces(bytes, format, piece), Whole(bytes, 2, format)) << piece;
      EXPECT_EQ(InPieces(words, format, piece), Whole(words, 4, format)) << piece;
    }
  }
}

TEST(StreamedLines, NoValuesGiveJustTheClosingLine) {
  for (const OutputFormat& format : Formats()) {
    EXPECT_EQ(InPieces(std::vector<std::uint8_t>{}, format, 4),
              Whole(std::vector<std::uint8_t>{}, 2, format));
  }
}

}  // namespace
}  // namespace pixmora

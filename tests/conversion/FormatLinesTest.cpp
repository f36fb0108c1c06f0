#include "conversion/FormatLines.h"

#include <gtest/gtest.h>

#include "conversion/RecordingProgressSink.h"
#include "conversion/WorkingData.h"

namespace pixmora {
namespace {

using Lines = std::vector<std::string>;

OutputFormat CustomWith(int valuesPerLine) {
  CustomFormat custom;
  EXPECT_TRUE(custom.SetBytesPerLine(valuesPerLine));
  Preferences preferences;
  preferences.Set(Option::Custom, true);
  return MakeOutputFormat(preferences, custom);
}

Lines Format(const WorkingData& values, int digits, const OutputFormat& format) {
  NullProgressSink sink;
  Progress progress(sink);
  LineList lines;
  EXPECT_TRUE(FormatLines(values, lines, digits, format, progress));
  return lines.Lines();
}

TEST(FormatLines, FullLinesEndWithTheSeparatorAndTheLastValueBare) {
  WorkingData values(32);
  for (int i = 0; i < 32; ++i)
    values[i] = i;
  const Lines lines = Format(values, 2, OutputFormat{});
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0],
            "0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, "
            "0x0E, 0x0F, ");
  EXPECT_EQ(lines[1].substr(lines[1].size() - 10), "0x1E, 0x1F");
  EXPECT_EQ(lines[2], "};");
}

TEST(FormatLines, FewerValuesThanALineGiveOneLine) {
  EXPECT_EQ(Format({0xAB, 0x5}, 4, OutputFormat{}), (Lines{"0x00AB, 0x0005", "};"}));
}

TEST(FormatLines, NoValuesGiveJustTheClosingLine) {
  EXPECT_EQ(Format({}, 2, OutputFormat{}), (Lines{"};"}));
}

TEST(FormatLines, OneValuePerLineInACustomFormat) {
  EXPECT_EQ(Format({1, 2, 3}, 2, CustomWith(1)),
            (Lines{"Data &h01%, ", "Data &h02%, ", "Data &h03%", ")"}));
}

TEST(FormatLines, BasicDataMarksWordsAndHasAnEmptyClosingLine) {
  Preferences preferences;
  preferences.Set(Option::BasicData, true);
  EXPECT_EQ(Format({0x12, 0xFF}, 2, MakeOutputFormat(preferences, {})),
            (Lines{"Data &h12, &hFF", ""}));
  preferences.Set(Option::Word, true);
  EXPECT_EQ(Format({0x1234}, 4, MakeOutputFormat(preferences, {})), (Lines{"Data &h1234%", ""}));
}

TEST(FormatLines, LongTokensAndWideValuesKeepEveryCharacter) {
  CustomFormat custom;
  custom.HexNotation = "HEXADECIMAL(";
  custom.EndNotation = ")END";
  custom.CommaSymbol = ";;";
  EXPECT_TRUE(custom.SetBytesPerLine(2));
  Preferences preferences;
  preferences.Set(Option::Custom, true);
  EXPECT_EQ(Format({0x0F, 0x12345, 0xC}, 2, MakeOutputFormat(preferences, custom)),
            (Lines{"Data HEXADECIMAL(0F)END;; HEXADECIMAL(12345)END;; ", "Data HEXADECIMAL(0C)END",
                   ")"}));
}

TEST(FormatLines, PumpsBeforeEveryValueAtTheLineIndexAndStopsOnCancel) {
  WorkingData values(20, 0);
  RecordingProgressSink sink;
  sink.SetCaption("Formatting output...");
  Progress progress(sink);
  LineList lines;
  ASSERT_TRUE(FormatLines(values, lines, 2, OutputFormat{}, progress));
  ASSERT_EQ(sink.phases.size(), 1u);
  EXPECT_EQ(sink.phases[0].maximum, 1);  // full lines only
  ASSERT_EQ(sink.phases[0].positions.size(), 20u);
  EXPECT_EQ(sink.phases[0].positions[15], 0);
  EXPECT_EQ(sink.phases[0].positions[16], 1);

  sink.CancelAt("Formatting output...", 17);
  EXPECT_FALSE(FormatLines(values, lines, 2, OutputFormat{}, progress));
  EXPECT_EQ(lines.Count(), 1u);
}

}  // namespace
}  // namespace pixmora

#include "decode/ArrayText.h"

#include <gtest/gtest.h>

namespace pixmora {
namespace {

using Values = std::vector<std::uint16_t>;

TextSyntax Syntax(ArraySyntax kind) {
  return {kind, {}};
}

ArrayText Read(std::string_view text, ArraySyntax kind) {
  return ReadArrayText(text, Syntax(kind));
}

std::vector<Values> ValuesOf(const ArrayText& text) {
  std::vector<Values> values;
  for (const TextArray& array : text.arrays)
    values.push_back(array.values);
  return values;
}

TEST(ArrayText, CArrayTakesTheValuesInBracesAroundComments) {
  const ArrayText text = Read(
      "/* Color mode byte: { not an array }\r\n*/\r\n"
      "const unsigned char Table_logo[4] PROGMEM = {\r\n0xF8, 0x00, 0x07, 0xe0\r\n};\r\n\r\n"
      "const unsigned int logo[3] PROGMEM = {\r\n/* Image dimensions: (W x H) */\r\n"
      "0x0003, // the width\r\n0X0002,\r\n\r\n/* Data */\r\n0xFFFF, };\r\n",
      ArraySyntax::CArray);
  ASSERT_EQ(text.error, "");
  EXPECT_EQ(ValuesOf(text), (std::vector<Values>{{0xF8, 0x00, 0x07, 0xE0}, {3, 2, 0xFFFF}}));
  EXPECT_EQ(text.arrays[0].line, 3u);
  EXPECT_EQ(text.arrays[1].line, 7u);
}

TEST(ArrayText, LineFormatsTakeTheirDataLines) {
  const ArrayText basic = Read(
      "'banner\r\n\r\nTable_logo:\r\nData &hF800%, &h07E0%\r\n\r\nlogo:\r\nrem size\r\n"
      "DATA &H03, &h0a,\r\n  data &hff\n",
      ArraySyntax::BasicData);
  ASSERT_EQ(basic.error, "");
  EXPECT_EQ(ValuesOf(basic), (std::vector<Values>{{0xF800, 0x07E0}, {3, 10, 0xFF}}));

  // The suffix is a hex digit: "$0BB" is 0x0B.
  const OutputFormat custom{.Kind = OutputKind::Custom,
                            .RowPrefix = "db ",
                            .HexPrefix = "$",
                            .HexSuffix = "B",
                            .Separator = " ",
                            .OpenBrace = "label:",
                            .Caption = "logo"};
  const ArrayText tokens = ReadArrayText(
      "Image size 3\nlogo label:\ndb $0BB $FFB\nimage data\ndb $BBB   \nlogo label:\ndb $1234B\n",
      {ArraySyntax::Custom, custom});
  ASSERT_EQ(tokens.error, "");
  EXPECT_EQ(ValuesOf(tokens), (std::vector<Values>{{0x0B, 0xFF, 0xBB}, {0x1234}}));

  const ArrayText plain = Read("12 34,0xAB\r\n  ff,,\n0x00FF", ArraySyntax::PlainList);
  ASSERT_EQ(plain.error, "");
  EXPECT_EQ(ValuesOf(plain), (std::vector<Values>{{0x12, 0x34, 0xAB, 0xFF, 0xFF}}));
}

// Data lines before any opening line form an array of their own.
TEST(ArrayText, DataBeforeAnOpeningLineIsAnArray) {
  const ArrayText text = Read("Data &h01\r\nlogo:\r\nData &h02\r\n", ArraySyntax::BasicData);
  EXPECT_EQ(ValuesOf(text), (std::vector<Values>{{1}, {2}}));
}

TEST(ArrayText, SkipsAByteOrderMark) {
  const ArrayText text =
      Read("\xEF\xBB\xBF'banner\r\nlogo:\r\nData &h01\r\n", ArraySyntax::BasicData);
  EXPECT_EQ(ValuesOf(text), (std::vector<Values>{{1}}));
}

TEST(ArrayText, FaultsNameTheLineAndColumn) {
  struct Case {
    ArraySyntax kind;
    std::string_view text;
    std::string_view error;
  };
  const Case cases[] = {
      {ArraySyntax::CArray, "x = {\n0x01, 0xZZ };",
       "line 2, column 7: expected a value such as 0x1F, found \"0xZZ };\""},
      {ArraySyntax::CArray, "x = {\n0x01 0x02 };",
       "line 2, column 6: expected a comma or } after the value, found \"0x02 };\""},
      {ArraySyntax::CArray, "x = { , 0x01 };",
       "line 1, column 7: expected a value such as 0x1F, found \", 0x01 };\""},
      {ArraySyntax::CArray, "x = { 0x12u };", "line 1, column 7: expected a value such as 0x1F"},
      {ArraySyntax::CArray, "x = { 0x };", "line 1, column 7: expected a hexadecimal value"},
      {ArraySyntax::CArray, "x = { 0x000012345 };",
       "line 1, column 7: the value \"0x000012345\" is wider than 16 bits"},
      {ArraySyntax::CArray, "x = {\n0x01,\n", "line 3, column 1: the array opened at line 1"},
      {ArraySyntax::CArray, "/* x\n\n", "line 1, column 1: the comment is not closed"},
      {ArraySyntax::BasicData, "logo:\r\nData &h01, &h02 &h03\r\n",
       "line 2, column 17: expected \",\" between values, found \"&h03\""},
      {ArraySyntax::BasicData, "logo:\r\nData 0x01\r\n",
       "line 2, column 6: expected \"&h\" and a value, found \"0x01\""},
      {ArraySyntax::BasicData, "logo:\r\nDat &h01\r\n",
       "line 2, column 1: expected a Data line, a label or a comment, found \"Dat &h01\""},
      {ArraySyntax::PlainList, "01 02\n03 zz", "line 2, column 4: expected a hexadecimal value"},
  };
  for (const Case& c : cases) {
    const ArrayText text = Read(c.text, c.kind);
    EXPECT_TRUE(text.error.starts_with(c.error)) << c.text << "\n" << text.error;
    EXPECT_TRUE(text.arrays.empty());
  }
}

TEST(ArrayText, CustomTokensAreRequired) {
  const OutputFormat custom{.Kind = OutputKind::Custom,
                            .RowPrefix = "Data ",
                            .HexPrefix = "&h",
                            .HexSuffix = "%",
                            .Separator = ", "};
  EXPECT_EQ(ReadArrayText("Data &h01%, &h02\n", {ArraySyntax::Custom, custom}).error,
            "line 1, column 17: expected \"%\" after the value, found the line end");
}

TEST(ArrayText, DetectsTheSyntax) {
  EXPECT_EQ(DetectArraySyntax("x[] = { 0x01 };"), ArraySyntax::CArray);
  EXPECT_EQ(DetectArraySyntax("'x\r\nlogo:\r\nData &h01\r\n"), ArraySyntax::BasicData);
  EXPECT_EQ(DetectArraySyntax("01 02 03\nDatabase\n"), ArraySyntax::PlainList);
}

TEST(ArrayText, FindsTheLineAndColumnOfAValue) {
  const std::string_view text = "a = {\n0x01, 0x02,\n0x03 };\nb = { 0x04,\n\n  0x05 };";
  const TextSyntax syntax = Syntax(ArraySyntax::CArray);
  using Place = std::pair<std::size_t, std::size_t>;
  const auto place = [&](std::size_t array, std::size_t index) {
    const TextPlace at = PlaceOfValue(text, syntax, array, index);
    return Place(at.line, at.column);
  };
  EXPECT_EQ(place(0, 1), Place(2, 7));
  EXPECT_EQ(place(0, 2), Place(3, 1));
  EXPECT_EQ(place(1, 0), Place(4, 7));
  EXPECT_EQ(place(1, 1), Place(6, 3));
  EXPECT_EQ(place(1, 2).first, 0u);
  EXPECT_EQ(place(2, 0).first, 0u);
  // The line formats give the place of the value's prefix.
  EXPECT_EQ(PlaceOfValue("x:\nData &h01, &h02\n", Syntax(ArraySyntax::BasicData), 0, 1).column,
            12u);
}

}  // namespace
}  // namespace pixmora

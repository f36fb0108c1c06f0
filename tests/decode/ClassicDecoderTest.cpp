#include "decode/ClassicDecoder.h"

#include <gtest/gtest.h>

namespace pixmora {
namespace {

using Values = std::vector<std::uint16_t>;

constexpr std::uint32_t K = 0xFF000000;  // black
constexpr std::uint32_t W = 0xFFFFFFFF;  // white

ClassicLayout Layout(std::uint16_t mode, int width, int height) {
  return {.colorModeWord = mode, .width = width, .height = height};
}

DecodeOutcome Decode(const ClassicLayout& layout, std::vector<Values> arrays) {
  std::vector<TextArray> text;
  for (Values& values : arrays)
    text.push_back({1, std::move(values)});
  return ClassicDecoder(layout).DecodeArrays(text);
}

std::vector<std::uint32_t> Pixels(const ClassicLayout& layout, std::vector<Values> arrays) {
  const DecodeOutcome outcome = Decode(layout, std::move(arrays));
  EXPECT_TRUE(outcome.Ok()) << outcome.error;
  return outcome.picture.Pixels();
}

using P = std::vector<std::uint32_t>;

// The encoders' documented bytes, shown with every channel widened by bit replication.
TEST(ClassicDecoder, ShowsTheDocumentedEncodings) {
  EXPECT_EQ(Pixels(Layout(0x01, 2, 1), {{0xFC, 0x08, 0x11, 0xAA}}), (P{0xFFFF8242, 0xFF103452}));
  EXPECT_EQ(Pixels(Layout(0x03, 1, 1), {{0xF8, 0x4F}}), (P{0xFFFF8844}));
  EXPECT_EQ(Pixels(Layout(0x03, 2, 1), {{0xF8, 0x41, 0x35}}), (P{0xFFFF8844, 0xFF113355}));
  EXPECT_EQ(Pixels(Layout(0x05, 2, 1), {{0xF1, 0x05}}), (P{0xFFFF9255, 0xFF002455}));
  EXPECT_EQ(Pixels(Layout(0x0F, 1, 8), {{0x81}}), (P{K, W, W, W, W, W, W, K}));
  EXPECT_EQ(Pixels(Layout(0x0F, 2, 3), {{0xA0, 0x00}}), (P{K, W, W, W, K, W}));
  EXPECT_EQ(Pixels(Layout(0x0F, 2, 10), {{0xFF, 0xFF, 0xC0, 0xC0}}), P(20, K));
  EXPECT_EQ(Pixels(Layout(0x11, 3, 1), {{0xA0}}), (P{K, W, K}));
  EXPECT_EQ(Pixels(Layout(0x11, 10, 2), {{0x49, 0x92, 0x40}}),
            (P{K, W, W, K, W, W, K, W, W, K, W, W, K, W, W, K, W, W, K, W}));
}

TEST(ClassicDecoder, LooksPaletteIndicesUpInTheTable) {
  const Values table = {0xF8, 0x00, 0x07, 0xE0, 0x00, 0x1F, 0xFF, 0xFF};
  const std::uint32_t red = 0xFFFF0000, green = 0xFF00FF00, blue = 0xFF0000FF;
  EXPECT_EQ(Pixels(Layout(0x60B, 5, 1), {table, {0x6C, 0x40}}), (P{green, blue, W, red, green}));
  EXPECT_EQ(Pixels(Layout(0x70D, 10, 1), {table, {0xB1, 0xC0}}),
            (P{green, red, green, green, red, red, red, green, green, green}));
  EXPECT_EQ(Pixels(Layout(0x009, 3, 1), {table, {0x20, 0x10}}), (P{blue, red, green}));
  // A word table with LSB first holds each color with its bytes exchanged, even in Byte data.
  ClassicLayout words = Layout(0x007, 2, 1);
  words.tableWord = true;
  words.lsbFirst = true;
  EXPECT_EQ(Pixels(words, {{0x00F8, 0xE007}, {1, 0}}), (P{green, red}));
}

TEST(ClassicDecoder, FaultsSayWhatAndWhere) {
  struct Case {
    ClassicLayout layout;
    std::vector<Values> arrays;
    std::string error;
    std::optional<DataPosition> position;
  };
  ClassicLayout info;
  info.includeInfo = true;
  const Case cases[] = {
      {Layout(0x05, 2, 1), {}, "the text holds no array of values", {}},
      {Layout(0x05, 2, 1),
       {{1}, {2}, {3}},
       "the text holds 3 arrays: the image data, and the color table before it, are at most two",
       {}},
      {Layout(0x05, 2, 1),
       {{0x12, 0x1FF}},
       "0x01FF does not fit in a byte of Byte data",
       DataPosition{0, 1}},
      {info,
       {{0x00, 0x02, 0x00}},
       "the data ends inside the image information, which takes 6 values",
       DataPosition{0, 2}},
      {info,
       {{0x00, 0x02, 0x00, 0x01, 0x00, 0x13, 0xFF}},
       "the color mode word 0x0013 names no encoding: its mode code 9 is reserved",
       DataPosition{0, 4}},
      {info,
       {{0x00, 0x00, 0x00, 0x01, 0x00, 0x05}},
       "invalid image size 0 x 1",
       DataPosition{0, 0}},
      {Layout(0x05, 2, 2),
       {{1, 2, 3}},
       "the data holds 3 values, but a 2 x 2 picture in 256 colors (3-3-2) needs 4",
       DataPosition{0, 2}},
      {Layout(0x05, 2, 1),
       {{1, 2, 3}},
       "the data holds 3 values, but a 2 x 1 picture in 256 colors (3-3-2) needs 2",
       DataPosition{0, 2}},
      {Layout(0x04, 2, 1),
       {{7, 7}},
       "the data ends inside a run: 0x07 repeats, but the count that follows a pair is missing",
       DataPosition{0, 1}},
      {Layout(0x07, 2, 1),
       {{1, 0}},
       "the palette data needs its color table, which is missing",
       {}},
      {Layout(0x07, 2, 1),
       {{0xF8, 0x00, 0x07}, {1, 0}},
       "the color table holds an odd number of bytes, but every color has two",
       DataPosition{0, 2}},
      {Layout(0x07, 2, 1),
       {{0xF8, 0x100}, {1, 0}},
       "the color table value 0x0100 does not fit in a byte",
       DataPosition{0, 1}},
      {Layout(0x07, 3, 1),
       {{0xF8, 0x00}, {0, 0, 1}},
       "pixel (2, 0) has the color index 1, but the color table has 1 color",
       {}},
  };
  for (const Case& c : cases) {
    const DecodeOutcome outcome = Decode(c.layout, c.arrays);
    EXPECT_EQ(outcome.error, c.error);
    ASSERT_EQ(outcome.position.has_value(), c.position.has_value()) << c.error;
    if (c.position) {
      EXPECT_EQ(outcome.position->array, c.position->array) << c.error;
      EXPECT_EQ(outcome.position->index, c.position->index) << c.error;
    }
    EXPECT_TRUE(outcome.picture.Empty());
  }
}

TEST(ClassicDecoder, BinaryFilesHoldTheTableTheInformationAndTheData) {
  ClassicLayout layout;
  layout.includeInfo = true;
  layout.tableWord = true;
  layout.binaryTableColors = 2;
  const std::vector<std::uint8_t> file = {0xF8, 0x00, 0x00, 0x1F, 0x00, 0x03, 0x00,
                                          0x01, 0x00, 0x07, 0x01, 0x00, 0x01};
  const DecodeOutcome outcome = ClassicDecoder(layout).DecodeBinary(file);
  ASSERT_TRUE(outcome.Ok()) << outcome.error;
  EXPECT_EQ(outcome.picture.Pixels(), (P{0xFF0000FF, 0xFFFF0000, 0xFF0000FF}));

  // Positions become byte offsets: after the table, two bytes per Word value.
  layout.word = true;
  std::vector<std::uint8_t> words = {0xF8, 0x00, 0x00, 0x1F, 0x00, 0x03, 0x00, 0x01,
                                     0x00, 0x07, 0x01, 0x00, 0x00, 0x01, 0x00, 0x00};
  const DecodeOutcome tooLong = ClassicDecoder(layout).DecodeBinary(words);
  EXPECT_EQ(tooLong.error,
            "the data holds 3 values, but a 3 x 1 picture in palette, 1 pixel per byte needs 2");
  ASSERT_TRUE(tooLong.position);
  EXPECT_EQ(tooLong.position->index, 14u);
  words.push_back(0);
  const DecodeOutcome odd = ClassicDecoder(layout).DecodeBinary(words);
  EXPECT_EQ(odd.error, "Word data takes two bytes a value, but an odd byte is left");
  EXPECT_EQ(odd.position->index, 16u);
}

// A fault in a table read from a file of its own cannot point into the file decoded.
TEST(ClassicDecoder, FaultsInASeparateTableSayWhichValue) {
  ClassicDecoder decoder(Layout(0x07, 1, 1));
  decoder.UseColorTable({0xF8, 0x00, 0x1FF});
  const std::vector<TextArray> image = {{1, {0}}};
  const DecodeOutcome outcome = decoder.DecodeArrays(image);
  EXPECT_EQ(
      outcome.error,
      "the color table value 0x01FF does not fit in a byte (value 3 of the separate color table)");
  EXPECT_FALSE(outcome.position);
}

}  // namespace
}  // namespace pixmora

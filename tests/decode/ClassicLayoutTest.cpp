#include "decode/ClassicLayout.h"

#include <gtest/gtest.h>

namespace pixmora {
namespace {

ColorModeFields Fields(std::uint16_t word) {
  ColorModeFields fields;
  EXPECT_EQ(ReadColorModeWord(word, fields), "") << word;
  return fields;
}

// The documented examples of the color mode word.
TEST(ClassicLayout, ReadsTheColorModeWord) {
  EXPECT_EQ(Fields(0x0001).encoding, ClassicEncoding::Color565);
  EXPECT_FALSE(Fields(0x0001).compressed);
  EXPECT_TRUE(Fields(0x0000).compressed);
  EXPECT_EQ(Fields(0x0004).encoding, ClassicEncoding::Color332);
  EXPECT_EQ(Fields(0x000F).encoding, ClassicEncoding::MonochromeVertical);
  const ColorModeFields sixteen = Fields(0x0409);
  EXPECT_EQ(sixteen.encoding, ClassicEncoding::Palette2);
  EXPECT_EQ(sixteen.paletteColors, 16);
  EXPECT_FALSE(sixteen.compressed);
  const ColorModeFields two = Fields(0x070C);
  EXPECT_EQ(two.encoding, ClassicEncoding::Palette8);
  EXPECT_EQ(two.paletteColors, 2);
  EXPECT_TRUE(two.compressed);
  EXPECT_EQ(Fields(0x0107).paletteColors, 128);
  EXPECT_EQ(Fields(0x0007).paletteColors, 0);
}

TEST(ClassicLayout, RefusesWordsThatNameNoEncoding) {
  ColorModeFields fields;
  EXPECT_EQ(ReadColorModeWord(0x0012, fields), "its mode code 9 is reserved");
  EXPECT_EQ(ReadColorModeWord(0x0080, fields), "it sets reserved bits");
  EXPECT_EQ(ReadColorModeWord(0x0800, fields), "it sets reserved bits");
  // A swapped word (Word with LSB first read the wrong way) shows as one of these.
  EXPECT_NE(ReadColorModeWord(0x0C07, fields), "");
  EXPECT_EQ(ReadColorModeWord(0x0101, fields), "it gives a palette size to data without a palette");
}

}  // namespace
}  // namespace pixmora

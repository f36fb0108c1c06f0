#include "decode/DecodeOutputFile.h"

#include <gtest/gtest.h>

#include "decode/ClassicDecoder.h"

namespace pixmora {
namespace {

// 256 colors, 2 x 1 pixels, no compression.
const ClassicDecoder kDecoder({.colorModeWord = 0x05, .width = 2, .height = 1});

TEST(DecodeOutputFile, DecodesTextAndBinaryFiles) {
  const DecodeOutcome text =
      DecodeOutputText("logo.h", "x[] = {\n0xE0, 0x1C\n};", {ArraySyntax::CArray}, kDecoder);
  ASSERT_TRUE(text.Ok()) << text.error;
  EXPECT_EQ(text.picture.Pixels(), (std::vector<std::uint32_t>{0xFFFF0000, 0xFF00FF00}));
  const std::vector<std::uint8_t> bytes = {0xE0, 0x1C};
  EXPECT_EQ(DecodeOutputBinary("logo.bin", bytes, kDecoder).picture, text.picture);
}

TEST(DecodeOutputFile, MessagesNameTheFileAndThePlace) {
  const TextSyntax c{ArraySyntax::CArray};
  EXPECT_EQ(DecodeOutputText("logo.h", "x[] = {\n0xE0,\n0x1C,\n0x03\n};", c, kDecoder).error,
            "Cannot decode \"logo.h\": line 4, column 1: the data holds 3 values, but a 2 x 1 "
            "picture in 256 "
            "colors (3-3-2) needs 2");
  EXPECT_EQ(DecodeOutputText("logo.h", "x[] = {\n0xE0 };", c, kDecoder).error,
            "Cannot decode \"logo.h\": line 2, column 1: the data holds 1 value, but a 2 x 1 "
            "picture in 256 "
            "colors (3-3-2) needs 2");
  // An empty array has no value to point at: the line where it opens stands for it.
  EXPECT_EQ(DecodeOutputText("logo.h", "\nx[] = {\n};", c, kDecoder).error,
            "Cannot decode \"logo.h\": line 2: the data holds 0 values, but a 2 x 1 picture in 256 "
            "colors "
            "(3-3-2) needs 2");
  EXPECT_EQ(DecodeOutputText("logo.h", "x[] = {\n0xE0, 0xGG };", c, kDecoder).error,
            "Cannot decode \"logo.h\": line 2, column 7: expected a value such as 0x1F, found "
            "\"0xGG };\"");
  const std::vector<std::uint8_t> bytes = {0xE0, 0x1C, 0x03};
  EXPECT_EQ(DecodeOutputBinary("logo.bin", bytes, kDecoder).error,
            "Cannot decode \"logo.bin\": byte 2: the data holds 3 values, but a 2 x 1 picture in "
            "256 colors (3-3-2) needs 2");
}

}  // namespace
}  // namespace pixmora

#include "ui/TextSearch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pixmora {
namespace {

TEST(TextSearchTest, FindsEitherCaseForwardAndBackwardAndWrapsAround) {
  const std::string text = "0x1F, 0x2e,\r\n0x1f, 0xFF\r\n";
  EXPECT_EQ(FindText(text, "0x1f", 0, true), 0u);
  EXPECT_EQ(FindText(text, "0x1f", 1, true), 13u);
  EXPECT_EQ(FindText(text, "0X2E", 0, true), 6u);
  // Past the last one the search starts over at the top, and backward at the end.
  EXPECT_EQ(FindText(text, "0x1f", 14, true), 0u);
  EXPECT_EQ(FindText(text, "0x1f", 13, false), 0u);
  EXPECT_EQ(FindText(text, "0x1f", 0, false), 13u);
  EXPECT_EQ(FindText(text, "0xff\r\n", 0, true), 19u);
  EXPECT_EQ(FindText(text, "0x3", 0, true), std::nullopt);
  EXPECT_EQ(FindText(text, "", 0, true), std::nullopt);
  EXPECT_EQ(FindText("ab", "abc", 0, true), std::nullopt);
  // Letters only fold in ASCII: the byte 0xC9 is not 0xE9.
  EXPECT_EQ(FindText("caf\xE9", "CAF\xC9", 0, true), std::nullopt);
}

TEST(TextSearchTest, TheLineOfAnOffset) {
  const std::vector<std::size_t> starts{0, 5, 12};
  EXPECT_EQ(LineOfOffset(starts, 0), 0u);
  EXPECT_EQ(LineOfOffset(starts, 4), 0u);
  EXPECT_EQ(LineOfOffset(starts, 5), 1u);
  EXPECT_EQ(LineOfOffset(starts, 100), 2u);
}

}  // namespace
}  // namespace pixmora

#include "settings/CustomFormat.h"

#include <gtest/gtest.h>

namespace pixmora {
namespace {

TEST(CustomFormatTextTest, OnlyDigitsAndBackspaceCanBeTyped) {
  for (char c = '0'; c <= '9'; ++c)
    EXPECT_TRUE(IsBytesPerLineKey(c));
  EXPECT_TRUE(IsBytesPerLineKey('\b'));
  for (char c : {'a', '-', '+', ' ', '\r', '\n', '.', '\x16'})
    EXPECT_FALSE(IsBytesPerLineKey(c)) << int(c);
}

TEST(CustomFormatTextTest, TypedValueIsAWholeNumberFromOneTo255) {
  EXPECT_EQ(BytesPerLineFromText("1"), 1);
  EXPECT_EQ(BytesPerLineFromText("255"), 255);
  EXPECT_EQ(BytesPerLineFromText("007"), 7);
  for (const char* text : {"", "0", "256", "300", "-1", "+5", " 5", "5 ", "12a", "99999999999"})
    EXPECT_EQ(BytesPerLineFromText(text), std::nullopt) << text;
}

}  // namespace
}  // namespace pixmora

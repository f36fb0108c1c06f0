#include "conversion/LineList.h"

#include <gtest/gtest.h>

namespace pixmora {
namespace {

TEST(LineList, TextIsEveryLineWithCrLf) {
  LineList list;
  list.Add("one");
  list.Add("");
  list.Add("three");
  EXPECT_EQ(list.Text(), "one\r\n\r\nthree\r\n");
  EXPECT_EQ(list.Count(), 3u);
  EXPECT_EQ(list[1], "");
  EXPECT_EQ(list.Line(2), "three");
}

TEST(LineList, SetTextSplitsAtCrLfOnly) {
  LineList list;
  list.Add("old");
  list.SetText("a\r\nb\nc\r\n\r\nd");
  EXPECT_EQ(list.Lines(), (std::vector<std::string>{"a", "b\nc", "", "d"}));
  list.SetText("");
  EXPECT_EQ(list.Count(), 0u);
  EXPECT_EQ(list.Text(), "");
}

TEST(LineList, CopiesAreIndependentAndGrowingKeepsTheLines) {
  LineList list;
  for (int i = 0; i < 1000; ++i)
    list.Add(std::to_string(i));
  LineList copy = list;
  list.Add("more");
  EXPECT_EQ(copy.Count(), 1000u);
  EXPECT_EQ(copy[999], "999");
  EXPECT_EQ(list[1000], "more");
  EXPECT_EQ(list[500], "500");
}

}  // namespace
}  // namespace pixmora

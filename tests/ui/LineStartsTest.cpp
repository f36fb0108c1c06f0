#include "ui/LineStarts.h"

#include <gtest/gtest.h>

#include <vector>

namespace pixmora {
namespace {

std::vector<std::size_t> Entries(const LineStarts& starts) {
  std::vector<std::size_t> entries;
  for (std::size_t i = 0; i < starts.size(); ++i)
    entries.push_back(starts[i]);
  return entries;
}

// Every offset up to past the last start falls on the line a plain search finds.
void ExpectLinesOfOffsets(const LineStarts& starts) {
  const std::vector<std::size_t> plain = Entries(starts);
  for (std::size_t offset = 0; offset <= plain.back() + 3; ++offset) {
    std::size_t line = 0;
    while (line + 1 < plain.size() && plain[line + 1] <= offset)
      ++line;
    EXPECT_EQ(starts.LineOf(offset), line) << offset;
  }
}

TEST(LineStartsTest, BorrowedEntriesShiftedBetweenOwnHeadAndTail) {
  const std::vector<std::size_t> owner = {20, 25, 31, 40};  // offsets behind a 10-byte lead
  LineStarts starts;
  starts.Borrow({0, 4}, owner, 10);
  starts.Tail() = {33, 36};
  EXPECT_EQ(Entries(starts), (std::vector<std::size_t>{0, 4, 10, 15, 21, 30, 33, 36}));
  EXPECT_EQ(starts.back(), 36u);
  ExpectLinesOfOffsets(starts);
  EXPECT_EQ(starts.OwnedBytes() / sizeof(std::size_t), 4u);  // the borrowed ones are not copied
}

TEST(LineStartsTest, AHeadPutInFrontShiftsEveryPartAndReplacesTheFirstLines) {
  const std::vector<std::size_t> owner = {20, 25, 31};
  LineStarts starts;
  // The two own lines and the first borrowed one give way: the borrowed entries shift back
  // past their owner's lead.
  starts.Borrow({0, 4}, owner, 10);
  starts.Tail() = {30};
  starts.ShiftAndReplaceFront(7, 3, std::vector<std::size_t>{0, 3, 9, 15});
  EXPECT_EQ(Entries(starts), (std::vector<std::size_t>{0, 3, 9, 15, 22, 28, 37}));
  ExpectLinesOfOffsets(starts);
  // A lead shift that leaves the borrowed entries where their owner has them.
  starts.Borrow({0}, owner, 20);
  starts.ShiftAndReplaceFront(20, 1, std::vector<std::size_t>{0, 12});
  EXPECT_EQ(Entries(starts), (std::vector<std::size_t>{0, 12, 20, 25, 31}));
  ExpectLinesOfOffsets(starts);
  // Replacing more entries than head and borrowed hold reaches into the tail.
  starts.Borrow({0}, std::span<const std::size_t>(owner).first(1), 20);
  starts.Tail() = {6, 9};
  starts.ShiftAndReplaceFront(1, 3, std::vector<std::size_t>{0, 8});
  EXPECT_EQ(Entries(starts), (std::vector<std::size_t>{0, 8, 10}));
}

TEST(LineStartsTest, OwnedStartsAndRelease) {
  LineStarts starts;
  starts.Own() = {0, 3, 7};
  EXPECT_EQ(Entries(starts), (std::vector<std::size_t>{0, 3, 7}));
  ExpectLinesOfOffsets(starts);
  starts.Release();
  EXPECT_EQ(starts.size(), 0u);
  EXPECT_EQ(starts.OwnedBytes(), 0u);
}

}  // namespace
}  // namespace pixmora

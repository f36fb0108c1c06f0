#include "decode/RunLength.h"

#include <gtest/gtest.h>

namespace pixmora {
namespace {

using Values = std::vector<std::uint16_t>;

constexpr std::uint16_t A = 0xA, B = 0xB, C = 0xC, D = 0xD, E = 0xE, F = 0xF, G = 0x6, H = 0x8,
                        I = 0x1, J = 0x2;

Values Repeated(std::size_t n, std::uint16_t value) {
  return Values(n, value);
}

Values Joined(std::initializer_list<Values> parts) {
  Values all;
  for (const Values& part : parts)
    all.insert(all.end(), part.begin(), part.end());
  return all;
}

Values Expanded(const Values& items, std::size_t count) {
  Values values;
  const auto fault = ExpandRuns(items, count, values);
  EXPECT_FALSE(fault) << fault->reason;
  return values;
}

// The coder's own examples, read backwards.
TEST(RunLength, ExpandsRunsAndLiterals) {
  EXPECT_EQ(Expanded({A, A, 2, B, B, 0, C, D, E, E, 3, F, G, H, H, 1, I, J}, 20),
            (Values{A, A, A, A, B, B, C, D, E, E, E, E, E, F, G, H, H, H, I, J}));
  EXPECT_EQ(Expanded({A, A, 0}, 2), (Values{A, A}));
  EXPECT_EQ(Expanded({A}, 1), (Values{A}));
  EXPECT_EQ(Expanded({A, A, 255}, 257), Repeated(257, A));
  EXPECT_EQ(Expanded({A, A, 255, A, B}, 259), Joined({Repeated(258, A), {B}}));
  EXPECT_EQ(Expanded({A, A, 255, A, A, 0}, 259), Repeated(259, A));
  EXPECT_EQ(Expanded({0x1234, 0x1234, 65535}, 65537), Repeated(65537, 0x1234));
  // A count equal to the values around it is still a count.
  EXPECT_EQ(Expanded({3, 3, 3, 3}, 6), Repeated(6, 3));
}

TEST(RunLength, FaultsNameTheItem) {
  struct Case {
    Values items;
    std::size_t count;
    std::string reason;
    std::size_t item;
  };
  const Case cases[] = {
      {{A, B, B},
       4,
       "the data ends inside a run: 0x0B repeats, but the count that follows a pair is missing",
       2},
      {{A, B, B, 5}, 5, "a run of 7 values ends 3 values past the last pixel", 3},
      {{A, B, C}, 2, "the picture is complete after 2 values, but the data goes on", 2},
      {{A, A, 1, B}, 3, "the picture is complete after 3 values, but the data goes on", 3},
      {{A, B}, 3, "the data ends after 2 values of the 3 that the picture needs", 1},
      {{}, 1, "the data ends after 0 values of the 1 that the picture needs", 0},
  };
  for (const Case& c : cases) {
    Values values;
    const auto fault = ExpandRuns(c.items, c.count, values);
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->reason, c.reason);
    EXPECT_EQ(fault->item, c.item) << c.reason;
  }
}

}  // namespace
}  // namespace pixmora

#include "conversion/Compression.h"

#include <gtest/gtest.h>

#include <string_view>

#include "conversion/RecordingProgressSink.h"

namespace pixmora {
namespace {

using Items = std::vector<std::int32_t>;

WorkingData Letters(std::string_view letters) {
  return WorkingData(letters.begin(), letters.end());
}

WorkingData Repeated(std::size_t count, std::int32_t value) {
  return WorkingData(count, value);
}

struct Compressed {
  Items items;
  int ratio;
};

Compressed Compress(WorkingData data, std::int32_t maxCount = 255) {
  NullProgressSink sink;
  Progress progress(sink);
  int ratio = 12345;
  WorkingData output = {7, 7, 7};  // an old stream whose buffer is reused
  EXPECT_TRUE(CompressRuns(data, output, maxCount, ratio, progress));
  return {output, ratio};
}

const std::int32_t A = 'A', B = 'B', C = 'C', D = 'D', E = 'E', F = 'F', G = 'G', H = 'H', I = 'I',
                   J = 'J';

TEST(CompressRuns, EncodesTheHintExample) {
  const Compressed out = Compress(Letters("AAAABBCDEEEEEFGHHHIJ"));
  EXPECT_EQ(out.items, (Items{A, A, 2, B, B, 0, C, D, E, E, 3, F, G, H, H, 1, I, J}));
  EXPECT_EQ(out.ratio, 10);
}

TEST(CompressRuns, ShortInputs) {
  Compressed out = Compress(Letters("AA"));
  EXPECT_EQ(out.items, (Items{A, A, 0}));
  EXPECT_EQ(out.ratio, -50);
  out = Compress(Letters("ABC"));
  EXPECT_EQ(out.items, (Items{A, B, C}));
  EXPECT_EQ(out.ratio, 0);
  out = Compress(Letters("A"));
  EXPECT_EQ(out.items, (Items{A}));
  EXPECT_EQ(out.ratio, 0);
  out = Compress(Letters("ABCCC"));
  EXPECT_EQ(out.items, (Items{A, B, C, C, 1}));
}

TEST(CompressRuns, SplitsRunsLongerThanTheMaximumCount) {
  Compressed out = Compress(Repeated(257, A));
  EXPECT_EQ(out.items, (Items{A, A, 255}));
  EXPECT_EQ(out.ratio, 99);

  WorkingData input = Repeated(258, A);
  input.push_back(B);
  out = Compress(input);
  EXPECT_EQ(out.items, (Items{A, A, 255, A, B}));
  EXPECT_EQ(out.ratio, 99);

  out = Compress(Repeated(259, A));
  EXPECT_EQ(out.items, (Items{A, A, 255, A, A, 0}));
  EXPECT_EQ(out.ratio, 98);
}

TEST(CompressRuns, WordsCountUpTo65535) {
  EXPECT_EQ(Compress(Repeated(257, 0xBEEF), 65535).items, (Items{0xBEEF, 0xBEEF, 255}));
  EXPECT_EQ(Compress(Repeated(65537, 0xBEEF), 65535).items, (Items{0xBEEF, 0xBEEF, 65535}));
}

TEST(CompressRuns, NoInputGivesNoItemsAndNoDivisionByZero) {
  const Compressed out = Compress({});
  EXPECT_TRUE(out.items.empty());
  EXPECT_EQ(out.ratio, 0);
}

TEST(CompressRuns, CancelStopsAtTheItemItIsSeen) {
  RecordingProgressSink sink;
  sink.CancelAt("Compressing data...", 1);
  Progress progress(sink);
  WorkingData data = Letters("AAAABBCD");
  WorkingData output;
  int ratio = 7;
  EXPECT_FALSE(CompressRuns(data, output, 255, ratio, progress));
  EXPECT_EQ(ratio, 7);
  // The bar follows the input position after each emitted item.
  EXPECT_EQ(sink.phases[0].maximum, 8);
  EXPECT_EQ(sink.phases[0].positions, (std::vector<std::int64_t>{4, 6}));
}

}  // namespace
}  // namespace pixmora

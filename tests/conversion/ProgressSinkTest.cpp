#include "conversion/ProgressSink.h"

#include <gtest/gtest.h>

#include <vector>

namespace pixmora {
namespace {

// Pumps every third unit and remembers the positions it was given.
class EveryThirdUnit : public NullProgressSink {
 public:
  void PumpMessages(std::int64_t position) override {
    positions.push_back(position);
    if (positions.size() == cancelAfter)
      SetConvertCancelled(true);
  }
  std::int64_t UnitsPerPump() const override { return 3; }

  std::vector<std::int64_t> positions;
  std::size_t cancelAfter = 0;
};

TEST(Progress, CallsTheSinkEveryIntervalWhateverTheStepSize) {
  EveryThirdUnit sink;
  Progress progress(sink);
  for (int i = 0; i < 7; ++i)
    EXPECT_FALSE(progress.Unit(i));      // pumps at units 3 and 6
  EXPECT_FALSE(progress.Units(5, 100));  // units 8 to 12: pumps at 9 and 12
  EXPECT_TRUE(progress.Skip(2));         // units 13, 14
  EXPECT_FALSE(progress.Skip(1));        // unit 15 is due
  EXPECT_FALSE(progress.Unit(200));
  EXPECT_EQ(sink.positions, (std::vector<std::int64_t>{2, 5, 100, 100, 200}));
}

TEST(Progress, ForEachUnitRunsEveryUnitAndStopsAtTheCancellingPump) {
  EveryThirdUnit sink;
  sink.cancelAfter = 2;
  Progress progress(sink);
  std::vector<std::int64_t> done;
  EXPECT_FALSE(progress.ForEachUnit(
      10, [&](std::int64_t u) { done.push_back(u); }, [](std::int64_t u) { return u * 10; }));
  EXPECT_EQ(done, (std::vector<std::int64_t>{0, 1, 2, 3, 4, 5}));
  EXPECT_EQ(sink.positions, (std::vector<std::int64_t>{20, 50}));
}

TEST(Progress, ASinkAskingForNoIntervalPumpsEveryUnit) {
  class Zero : public EveryThirdUnit {
    std::int64_t UnitsPerPump() const override { return 0; }
  } sink;
  Progress progress(sink);
  progress.Unit(1);
  progress.Unit(2);
  EXPECT_EQ(sink.positions.size(), 2u);
}

}  // namespace
}  // namespace pixmora

#include "ui/HeldCommands.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace pixmora {
namespace {

TEST(HeldCommandsTest, ACommandArrivingDuringAnotherRunsAfterItOnceWithItsLastArguments) {
  HeldCommands commands;
  std::vector<std::string> log;
  commands.Run("convert", [&] {
    log.push_back("convert starts");
    commands.Run("reload", [&] { log.push_back("reload 1"); });
    commands.Run("drop", [&] { log.push_back("drop a.png"); });
    commands.Run("reload", [&] { log.push_back("reload 2"); });
    commands.Run("drop", [&] { log.push_back("drop b.png"); });
    log.push_back("convert ends");
  });
  EXPECT_EQ(log,
            (std::vector<std::string>{"convert starts", "convert ends", "reload 2", "drop b.png"}));
}

TEST(HeldCommandsTest, AHeldCommandHoldsWhatArrivesWhileItRunsAndAForgottenOneNeverRuns) {
  HeldCommands commands;
  std::vector<std::string> log;
  commands.Run("convert", [&] {
    commands.Run("change", [&] {
      log.push_back("question");
      commands.Run("change", [&] { log.push_back("second question"); });
      commands.Run("open", [&] { log.push_back("open"); });
      commands.Forget("change");
    });
  });
  EXPECT_EQ(log, (std::vector<std::string>{"question", "open"}));
}

TEST(HeldCommandsTest, AFailingCommandDropsTheHeldOnesAndLeavesTheQueueUsable) {
  HeldCommands commands;
  int reloads = 0;
  EXPECT_THROW(commands.Run("convert",
                            [&] {
                              commands.Run("reload", [&] { ++reloads; });
                              throw std::runtime_error("Out of memory");
                            }),
               std::runtime_error);
  commands.Run("reload", [&] { ++reloads; });
  EXPECT_EQ(reloads, 1);
}

}  // namespace
}  // namespace pixmora

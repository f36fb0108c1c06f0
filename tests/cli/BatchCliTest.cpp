#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/DepFile.h"
#include "tests/cli/CliFixture.h"

namespace pixmora::cli {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

class BatchCliTest : public CliFixture {
 protected:
  void SetUp() override {
    CliFixture::SetUp();
    for (int i = 0; i < 12; ++i) {
      const auto c = static_cast<std::uint32_t>(i * 0x150B07);
      Save(Picture(i),
           pixmora::testing::MakeRgbPng(4, 2, {c, ~c, c >> 3, c << 5, 0, ~0u, c, c}, false));
    }
    Save("broken.png", pixmora::testing::Bytes{0x89, 'P', 'N', 'G', 0, 0});
  }
  static std::string Picture(int i) { return "p" + std::to_string(i) + ".png"; }
  std::vector<std::string> Pictures(int count) const {
    std::vector<std::string> paths;
    for (int i = 0; i < count; ++i)
      paths.push_back(Path(Picture(i)));
    return paths;
  }
  Outcome RunBatch(std::vector<std::string> options, const std::vector<std::string>& pictures) {
    options.insert(options.end(), pictures.begin(), pictures.end());
    return Run(options);
  }
};

TEST_F(BatchCliTest, OneBadPictureFailsAloneUnlessFailFast) {
  const std::vector<std::string> pictures{Path("p0.png"), Path("broken.png"), Path("p1.png")};
  const Outcome outcome = RunBatch({"-o", Path("out"), "--stats"}, pictures);
  EXPECT_EQ(outcome.code, kInputError);
  EXPECT_TRUE(fs::exists(Path("out/p0.h")));
  EXPECT_TRUE(fs::exists(Path("out/p1.h")));
  EXPECT_FALSE(fs::exists(Path("out/broken.h")));
  EXPECT_THAT(outcome.err, HasSubstr("Cannot read \"" + Path("broken.png") + "\": not a PNG"));
  EXPECT_THAT(outcome.err, HasSubstr("    -  " + Path("broken.png") + " (failed)\n"));
  EXPECT_THAT(outcome.err,
              HasSubstr("total of 3 pictures: 2 files written, 0 unchanged, 1 failed"));

  // The highest status wins, neither the first nor the last: the crop is a usage error (2).
  const Outcome worst = RunBatch({"-o", Path("worst"), "--crop", "0,0,5,2"},
                                 {Path("p0.png"), Path("broken.png"), Path("p1.png")});
  EXPECT_EQ(worst.code, kInputError) << worst.err;
  EXPECT_THAT(worst.err, HasSubstr(Path("p1.png") + ": --crop: The crop selection reaches"));

  const Outcome fast = RunBatch({"-o", Path("fast"), "-j", "1", "--fail-fast", "--stats"},
                                {Path("broken.png"), Path("p0.png"), Path("p1.png")});
  EXPECT_EQ(fast.code, kInputError);
  EXPECT_FALSE(fs::exists(Path("fast/p0.h")));
  EXPECT_THAT(fast.err, HasSubstr(Path("p1.png") + " (not run)\n"));
}

TEST_F(BatchCliTest, TheSameBytesWithOneThreadOrEightAndNoPathOfTheMachine) {
  Save("mine.ini", BytesOf("[Target]\r\nTarget=rgb565\r\n"));
  const std::vector<std::string> pictures = Pictures(12);
  ASSERT_EQ(RunBatch({"-j", "1", "--settings", Path("mine.ini"), "-o", Path("one")}, pictures).code,
            kSuccess);
  ASSERT_EQ(
      RunBatch({"--settings=" + Path("mine.ini"), "-j", "8", "-o", Path("eight/")}, pictures).code,
      kSuccess);
  for (int i = 0; i < 12; ++i) {
    const std::string name = "p" + std::to_string(i) + ".h";
    EXPECT_EQ(Read(Path("one/" + name)), Read(Path("eight/" + name))) << name;
  }
  EXPECT_THAT(Read(Path("one/p3.h")),
              HasSubstr(" * Made by pixmora-cli 4.0: pixmora-cli --settings mine.ini p3.png\n"));
}

TEST_F(BatchCliTest, AnUnchangedOutputKeepsItsTimeStamp) {
  const std::vector<std::string> pictures = Pictures(3);
  ASSERT_EQ(RunBatch({"-o", Path("out"), "--target", "gray8"}, pictures).code, kSuccess);
  const fs::file_time_type past = fs::last_write_time(Path("out/p1.h")) - std::chrono::hours(2);
  for (const char* name : {"out/p0.h", "out/p1.h", "out/p2.h"})
    fs::last_write_time(Path(name), past);

  const Outcome again = RunBatch({"-o", Path("out"), "--target", "gray8", "--stats"}, pictures);
  ASSERT_EQ(again.code, kSuccess);
  EXPECT_THAT(again.err, HasSubstr("total of 3 pictures: 0 files written, 3 unchanged\n"));
  EXPECT_EQ(fs::last_write_time(Path("out/p1.h")), past);

  Save(Picture(1), pixmora::testing::MakeRgbPng(1, 1, {0xFFFFFF}, false));
  ASSERT_EQ(RunBatch({"-o", Path("out"), "--target", "gray8"}, pictures).code, kSuccess);
  EXPECT_GT(fs::last_write_time(Path("out/p1.h")), past);
  EXPECT_EQ(fs::last_write_time(Path("out/p2.h")), past);
}

TEST_F(BatchCliTest, OutputsAreNamedAfterThePicturesByTargetAndFormat) {
  const std::vector<std::string> pictures{Path("p0.png"), Path("p1.png")};
  const auto list = [&](std::vector<std::string> options) {
    options.insert(options.end(), {"--list-outputs", "-o", "gen"});
    return RunBatch(options, pictures).out;
  };
  EXPECT_EQ(list({}), "gen/p0.h\ngen/p1.h\n");
  EXPECT_EQ(list({"--format", "basic"}), "gen/p0.bas\ngen/p1.bas\n");
  EXPECT_EQ(list({"--format", "custom"}), "gen/p0.inc\ngen/p1.inc\n");
  EXPECT_EQ(list({"--target", "lvgl9"}), "gen/p0.c\ngen/p0.h\ngen/p1.c\ngen/p1.h\n");
  EXPECT_FALSE(fs::exists("gen"));

  // One picture goes into a folder too when -o names one.
  ASSERT_EQ(Run({"-o", Path(""), "--target", "xbm", Path("p0.png")}).code, kSuccess);
  EXPECT_THAT(Read(Path("p0.h")), HasSubstr("p0_bits[]"));
}

TEST_F(BatchCliTest, UsageErrorsOfARunOfMany) {
  fs::create_directory(Path("other"));
  Save("other/p0.png", pixmora::testing::MakeRgbPng(1, 1, {0}, false));
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
      {{"-o", Path("out"), Path("p0.png"), Path("other/p0.png")},
       Path("out/p0.h") + ": written by both " + Path("p0.png") + " and " + Path("other/p0.png")},
      {{"--name", "x", "-o", Path("out"), Path("p0.png"), Path("p1.png")}, "--name: names the"},
      {{"--table-output", "t.h", "-o", Path("out/"), Path("p0.png")}, "--table-output: names one"},
      {{"--mask", "-o", Path("out/"), Path("p0.png")}, "--mask: applies to"},
      {{"--list-outputs", Path("p0.png")}, "--list-outputs: lists the files of a run with -o DIR"},
      {{"--depfile", "x.d", Path("p0.png")}, "--depfile: names what -o writes"},
      {{"-j", "0", "-o", Path("out"), Path("p0.png")}, "--jobs: expected a number from 1 to 1024"},
  };
  for (const auto& [arguments, message] : cases) {
    const Outcome outcome = Run(arguments);
    EXPECT_EQ(outcome.code, kUsageError) << message;
    EXPECT_EQ(outcome.err.rfind(message, 0), 0u) << outcome.err;
  }
  EXPECT_FALSE(fs::exists(Path("out")));
}

TEST_F(BatchCliTest, TheDepfileListsEveryOutputAndInput) {
  Save("my settings.ini", BytesOf("[Target]\r\nTarget=lvgl9\r\n"));
  const Outcome outcome = RunBatch(
      {"--settings", Path("my settings.ini"), "-o", Path("out"), "--depfile", Path("out.d")},
      {Path("p0.png"), Path("p1.png")});
  ASSERT_EQ(outcome.code, kSuccess) << outcome.err;
  const std::string settings = Path("my\\ settings.ini");
  EXPECT_EQ(Read(Path("out.d")), Path("out/p0.c") + " \\\n " + Path("out/p0.h") + " \\\n " +
                                     Path("out/p1.c") + " \\\n " + Path("out/p1.h") + ": \\\n " +
                                     Path("p0.png") + " \\\n " + Path("p1.png") + " \\\n " +
                                     settings + "\n");

  // One picture: what -o wrote.
  ASSERT_EQ(Run({"-o", Path("one.h"), "--depfile", Path("one.d"), Path("p0.png")}).code, kSuccess);
  EXPECT_EQ(Read(Path("one.d")), Path("one.h") + ": \\\n " + Path("p0.png") + "\n");

  const std::vector<std::string> odd{"a b#c$d.h"};
  EXPECT_EQ(DepFileText(odd, odd), "a\\ b\\#c$$d.h: \\\n a\\ b\\#c$$d.h\n");
}

}  // namespace
}  // namespace pixmora::cli

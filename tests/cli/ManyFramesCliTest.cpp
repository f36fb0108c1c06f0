// Tables of frames in runs of many pictures: a batch into a folder, a manifest's frame keys, and
// the settings file that a frames run saves.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/cli/CliFixture.h"

namespace pixmora::cli {
namespace {

using ::testing::HasSubstr;

// `count` frames of 2 x 1 pixels, frame i all color i of a 4-color table.
pixmora::testing::Bytes Frames(int count) {
  return pixmora::testing::MakeAnimatedGif(count, 2, 1);
}

std::string Define(const std::string& header, const std::string& macro) {
  const auto at = header.find("#define " + macro + " ");
  if (at == std::string::npos)
    return {};
  const auto start = at + macro.size() + 9;
  return header.substr(start, header.find('\n', start) - start);
}

class ManyFramesCli : public CliFixture {};

TEST_F(ManyFramesCli, ABatchWritesATableOfEachGifAndOneOfTheFrameFiles) {
  Save("a.gif", Frames(3));
  Save("b.gif", Frames(2));
  Outcome run = Run({"--frames", "all", "--frame-delta", "--target", "rgb565", "-o",
                     Path("out") + "/", Path("a.gif"), Path("b.gif")});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(Define(Read(Path("out/a.h")), "A_FRAME_COUNT"), "3");
  EXPECT_EQ(Define(Read(Path("out/b.h")), "B_FRAME_COUNT"), "2");
  EXPECT_THAT(Read(Path("out/b.h")), HasSubstr("b_delta[]"));

  run = Run({"--frames", "1-2", "-o", Path("out") + "/", Path("a.gif"), Path("b.gif")});
  EXPECT_EQ(run.code, 2);
  EXPECT_THAT(run.err, HasSubstr("b.gif: frames 1-2 do not exist: there are frames 0 to 1"));

  // The pictures of --frames-files are one table's frames, named after the first or by --name.
  run = Run({"--frames-files", "--target", "rgb565", "--name", "walk", "-o", Path("files") + "/",
             Path("a.gif"), Path("b.gif")});
  ASSERT_EQ(run.code, 0) << run.err;
  const std::string walk = Read(Path("files/walk.h"));
  EXPECT_EQ(Define(walk, "WALK_FRAME_COUNT"), "2");
  EXPECT_THAT(walk, HasSubstr("--name walk a.gif b.gif\n"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Path("files")), {}), 1);
}

TEST_F(ManyFramesCli, AManifestTakesTheFrameKeys) {
  Save("a.gif", Frames(3));
  Save("sheet.gif", pixmora::testing::MakeAnimatedGif(1, 4, 2));
  Save("assets.toml", BytesOf(R"([defaults]
target = "rgb565"
frame-delta = true

[[image]]
file = "a.gif"
frames = "all"

[[image]]
file = "sheet.gif"
frames-grid = "2x1"

[[image]]
file = "a.gif"
name = "still"
)"));
  const Outcome run = Run({"build", Path("assets.toml"), "-o", Path("out")});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(Define(Read(Path("out/a.h")), "A_FRAME_COUNT"), "3");
  EXPECT_EQ(Define(Read(Path("out/sheet.h")), "SHEET_FRAME_COUNT"), "4");
  EXPECT_THAT(Read(Path("out/sheet.h")), HasSubstr("sheet_delta[]"));
  // frame-delta of [defaults] is left out for a picture without frames.
  EXPECT_EQ(Read(Path("out/still.h")).find("FRAME_COUNT"), std::string::npos);
}

TEST_F(ManyFramesCli, ManifestFaultsNameTheLineAndTheKey) {
  Save("a.gif", Frames(3));
  const std::string at = Path("assets.toml") + ":";
  const std::pair<std::string, std::string> cases[] = {
      {"frames = \"4-5\"\n", "3: frames: " + Path("a.gif") + ": frames 4-5 do not exist"},
      {"frame-delta = true\n", "3: frame-delta: applies to a table of frames"},
      {"frames-files = true\n", "3: frames-files: takes the pictures of a command line"},
      {"frames = \"all\"\nverify = true\n", "4: verify: not with a table of frames"},
  };
  for (const auto& [keys, message] : cases) {
    Save("assets.toml", BytesOf("[[image]]\nfile = \"a.gif\"\n" + keys));
    const Outcome run = Run({"build", Path("assets.toml"), "-o", Path("out")});
    EXPECT_EQ(run.code, 2) << keys;
    EXPECT_THAT(run.err, HasSubstr(at + message)) << keys;
  }
}

TEST_F(ManyFramesCli, SavedSettingsLeaveTheFrameOptionsOutAndSaySo) {
  Save("a.gif", Frames(2));
  const Outcome run = Run({"--frames", "all", "--target", "rgb565", "--save-settings",
                           Path("saved.ini"), "-o", Path("a.h"), Path("a.gif")});
  ASSERT_EQ(run.code, 0) << run.err;
  const std::string saved = Read(Path("saved.ini"));
  EXPECT_THAT(saved, HasSubstr("rgb565"));
  EXPECT_EQ(saved.find("frame"), std::string::npos);
  EXPECT_THAT(run.err, HasSubstr("frame options (--frames, --frames-grid, --frames-files, "
                                 "--frame-delta) belong to this run and are not saved"));
}

}  // namespace
}  // namespace pixmora::cli

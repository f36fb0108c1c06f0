// Tables of frames from the command line: a GIF's composed frames, a sheet cut by a grid,
// several pictures, ranges, deltas and the options that do not go with them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/cli/CliFixture.h"

namespace pixmora::cli {
namespace {

using pixmora::testing::GifFrameSpec;
using pixmora::testing::GifSpec;
using ::testing::HasSubstr;

// 2 x 1 screen: red; then green over the right pixel, disposed to the background (black); then
// blue over the left pixel, 0 delay.
GifSpec Walk() {
  const std::vector<std::uint32_t> colors = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
  return {
      .screenWidth = 2,
      .screenHeight = 1,
      .palette = colors,
      .frames = {{.width = 2, .height = 1, .indices = {1, 1}, .delayCs = 5},
                 {.left = 1, .width = 1, .height = 1, .indices = {2}, .disposal = 2, .delayCs = 12},
                 {.width = 1, .height = 1, .indices = {3}}}};
}

std::vector<std::uint16_t> Words(const std::string& bytes, std::size_t first, std::size_t count) {
  std::vector<std::uint16_t> words;
  for (std::size_t k = 0; k < count; ++k) {
    words.push_back(
        static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[first + 2 * k]) |
                                   static_cast<std::uint8_t>(bytes[first + 2 * k + 1]) << 8));
  }
  return words;
}

class FramesCli : public CliFixture {};

TEST_F(FramesCli, AGifBecomesOneTableOfItsComposedFrames) {
  Save("walk.gif", pixmora::testing::MakeGif(Walk()));
  const Outcome run = Run({"--frames", "all", "--target", "rgb565", "-o", Path("walk.bin"),
                           "--stats", Path("walk.gif")});
  ASSERT_EQ(run.code, 0) << run.err;
  const std::string bin = Read(Path("walk.bin"));
  // Three frames of two 5-6-5 values, the table of offsets and lengths, the delays.
  ASSERT_EQ(bin.size(), 12u + 24u + 6u);
  EXPECT_THAT(Words(bin, 0, 6),
              ::testing::ElementsAre(0xF800, 0xF800, 0xF800, 0x07E0, 0x001F, 0x0000));
  EXPECT_THAT(Words(bin, 12, 12), ::testing::ElementsAre(0, 0, 4, 0, 4, 0, 4, 0, 8, 0, 4, 0));
  EXPECT_THAT(Words(bin, 36, 3), ::testing::ElementsAre(50, 120, 100));
  EXPECT_THAT(run.err, HasSubstr("Frames: 3\nOutput data size: 42 bytes"));
}

TEST_F(FramesCli, DeltaFramesStoreTheChangedRectangle) {
  Save("walk.gif", pixmora::testing::MakeGif(Walk()));
  const Outcome run = Run({"--frames", "1-2", "--frame-delta", "--target", "rgb565", "-o",
                           Path("walk.bin"), Path("walk.gif")});
  ASSERT_EQ(run.code, 0) << run.err;
  const std::string bin = Read(Path("walk.bin"));
  // Frame 1 whole; frame 2 changed both pixels (blue, and black where green was disposed of).
  EXPECT_THAT(Words(bin, 0, 8), ::testing::ElementsAre(0xF800, 0x07E0, 0, 0, 2, 1, 0x001F, 0));
  EXPECT_EQ(bin.substr(bin.size() - 2), std::string("\0\1", 2)) << "walk_delta";
}

TEST_F(FramesCli, TheClassicTableKeepsOneColorTableAndNamesItsFrames) {
  Save("walk.gif", pixmora::testing::MakeGif(Walk()));
  const Outcome run = Run({"--frames", "all", "--compress", "--info", Path("walk.gif")});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_THAT(run.out, HasSubstr("#define WALK_FRAME_COUNT 3\n#define WALK_WIDTH 2\n"));
  EXPECT_THAT(run.out, HasSubstr("static const uint16_t Table_walk[] PROGMEM"));
  EXPECT_THAT(run.out, HasSubstr("static const uint32_t walk_frames[]"));
  EXPECT_THAT(run.out, HasSubstr("run-length compressed on its own"));
}

TEST_F(FramesCli, SheetsAndFrameFiles) {
  const std::vector<std::uint32_t> strip = {0xFF0000, 0xFF0000, 0x00FF00, 0x0000FF};
  Save("strip.bmp", pixmora::testing::MakeBmp24(4, 1, strip));
  Outcome run = Run(
      {"--frames-grid", "2x1", "--target", "gray8", "-o", Path("strip.bin"), Path("strip.bmp")});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(Read(Path("strip.bin")).size(), 4u + 16u + 4u);
  run = Run({"--frames-grid", "3x1", "--target", "gray8", Path("strip.bmp")});
  EXPECT_EQ(run.code, 3);
  EXPECT_THAT(run.err, HasSubstr("strip.bmp: 4 x 1 pixels is no whole number of frames of 3 x 1"));

  Save("a.bmp", pixmora::testing::MakeBmp24(2, 1, {0xFF0000, 0}));
  Save("b.bmp", pixmora::testing::MakeBmp24(2, 1, {0, 0xFFFFFF}));
  Save("c.bmp", pixmora::testing::MakeBmp24(1, 1, {0}));
  run = Run(
      {"--frames-files", "--target", "rgb332", "-o", Path("ab.bin"), Path("a.bmp"), Path("b.bmp")});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(Read(Path("ab.bin")).substr(0, 4), std::string("\xE0\0\0\xFF", 4));
  run = Run({"--frames-files", "--target", "rgb332", Path("a.bmp"), Path("c.bmp")});
  EXPECT_EQ(run.code, 3);
  EXPECT_THAT(run.err, HasSubstr("c.bmp\": 1 x 1 pixels, but the frames before are 2 x 1"));
}

TEST_F(FramesCli, OneSharedPaletteOrAReductionOverAllFrames) {
  GifSpec many = Walk();
  for (int k = 0; k < 20; ++k) {
    many.frames.push_back({.width = 1,
                           .height = 1,
                           .palette = {static_cast<std::uint32_t>(k * 0x0A0B0C), 0},
                           .indices = {0}});
  }
  Save("many.gif", pixmora::testing::MakeGif(many));
  Outcome run = Run({"--frames", "all", "--target", "index4", Path("many.gif")});
  EXPECT_EQ(run.code, 1);
  EXPECT_THAT(run.err,
              HasSubstr("more than the 16 of one color table (reduce them with --reduce)"));
  run = Run({"--frames", "all", "--target", "index4", "--reduce", "16", Path("many.gif")});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.out.find("many_cmap[]"), run.out.rfind("many_cmap[]")) << "one color map";
}

TEST_F(FramesCli, FrameOptionsThatDoNotFit) {
  Save("walk.gif", pixmora::testing::MakeGif(Walk()));
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"--frame-delta"}, "--frame-delta: applies to a table of frames"},
      {{"--frames", "all", "--verify"}, "--verify: not with a table of frames"},
      {{"--frames", "all", "--frame", "1"}, "--frame: picks one frame"},
      {{"--frames", "2-1"}, "--frames: expected all or A-B"},
      {{"--frames-grid", "0x4"}, "--frames-grid: expected the size of a frame as WxH"},
      {{"--frames", "1-3"}, "walk.gif: frames 1-3 do not exist: there are frames 0 to 2"},
      {{"--frames", "all", "--target", "rgb565", "--mask", "--frame-delta"},
       "--mask: a delta frame has no mask of its own"},
  };
  for (const auto& [options, message] : cases) {
    std::vector<std::string> arguments = options;
    arguments.push_back(Path("walk.gif"));
    const Outcome run = Run(arguments);
    EXPECT_NE(run.code, 0) << message;
    EXPECT_THAT(run.err, HasSubstr(message));
  }
}

}  // namespace
}  // namespace pixmora::cli

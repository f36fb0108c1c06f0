// The playback loop of the README, compiled as C99 and as C++17 against a table of delta frames
// and pixmora_decode.h, draws every frame into a frame buffer exactly; so do the calls a classic
// table of words names, on a machine whose unsigned int is wider than its 16-bit words.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/RecordingMessageBox.h"
#include "targets/ClassicFrames.h"
#include "targets/CodeWriter.h"
#include "targets/FrameTable.h"
#include "tests/image/TempFolderTest.h"
#include "tests/targets/CProgram.h"

namespace pixmora {
namespace {

constexpr const char* kPlayer = R"(#include <stdio.h>
#include "walk.h"
#include "firmware/pixmora_decode.h"

static uint16_t screen[WALK_HEIGHT][WALK_WIDTH];

static void pushImage(int x, int y, int w, int h, const uint16_t *data) {
  int i, j;
  for (j = 0; j < h; ++j)
    for (i = 0; i < w; ++i)
      screen[y + j][x + i] = data[j * w + i];
}

int main(void) {
  unsigned i;
  int x, y;
  for (i = 0; i < WALK_FRAME_COUNT; ++i) {
    pixmora_frame f;
    pixmora_frame_at(walk, walk_frames, walk_delta, i, WALK_WIDTH, WALK_HEIGHT, &f);
    if (f.width != 0)
      pushImage(f.x, f.y, f.width, f.height, (const uint16_t *)f.bytes);
    printf("%u ms:", (unsigned)walk_delays[i]);
    for (y = 0; y < WALK_HEIGHT; ++y)
      for (x = 0; x < WALK_WIDTH; ++x)
        printf(" %04X", (unsigned)screen[y][x]);
    printf("\n");
  }
  return 0;
}
)";

class FramesPlayback : public testing::TempFolderTest {};

TEST_F(FramesPlayback, TheLoopOfTheReadmeShowsEveryFrame) {
  // A 5 x 4 picture: gray, then a red 2 x 1 bar, then the bar moved, then nothing changed.
  std::vector<AnimationFrame> frames(4, {TBitmap32(5, 4), 100});
  for (AnimationFrame& frame : frames) {
    for (std::uint32_t& pixel : frame.image.Pixels())
      pixel = 0xFF808080;
  }
  frames[1].image.SetPixel(1, 2, 0xFFFF0000);
  frames[1].image.SetPixel(2, 2, 0xFFFF0000);
  frames[2].image.SetPixel(3, 0, 0xFFFF0000);
  frames[2].image.SetPixel(4, 0, 0xFFFF0000);
  frames[3].image = frames[2].image;
  frames[3].delayMs = 40;
  const TargetSettings settings{.target = TargetKind::Rgb565};
  const TargetResult result = EncodeTargetFrames({frames, {}, settings, "walk", true});
  ASSERT_EQ(result.error, "");
  CodeFiles code;
  WriteCode(result.data, settings, "test", "walk.h", code);

  std::string expected;
  for (const AnimationFrame& frame : frames) {
    expected += std::to_string(frame.delayMs) + " ms:";
    for (const std::uint32_t pixel : frame.image.Pixels())
      expected += pixel == 0xFFFF0000 ? " F800" : " 8410";
    expected += "\n";
  }
  const testing::CProgram program(folder_.string());
  program.Write("walk.h", code.header);
  program.Write("player.c", kPlayer);
  const std::string include = "-I" + std::string(std::getenv("PIXMORA_SOURCE_DIR"));
  ASSERT_EQ(program.BuildC({"player.c"}, {}, "c_player", include), "");
  EXPECT_EQ(program.Run("c_player").output, expected);
  ASSERT_EQ(program.BuildCxx({"player.c"}, {}, "cxx_player", include), "");
  EXPECT_EQ(program.Run("cxx_player").output, expected);
}

constexpr const char* kClassicPlayer = R"(#include <stdio.h>
#include "walk.h"
#include "firmware/pixmora_decode.h"

static uint32_t screen[WALK_HEIGHT][WALK_WIDTH];

static void put(void *context, uint16_t x, uint16_t y, uint32_t rgb) {
  (void)context;
  screen[y][x] = rgb;
}

int main(void) {
  unsigned i;
  int x, y;
  for (i = 0; i < WALK_FRAME_COUNT; ++i) {
    pixmora_info info;
    DATA_CALL
    TABLE_CALL
    if (pixmora_decode_info(&d, &info) != PIXMORA_OK ||
        pixmora_decode(&d, &info, TABLE, put, NULL) != PIXMORA_OK)
      return 1;
    for (y = 0; y < WALK_HEIGHT; ++y)
      for (x = 0; x < WALK_WIDTH; ++x)
        printf(" %06X", (unsigned)screen[y][x]);
    printf("\n");
  }
  return 0;
}
)";

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  return text.replace(text.find(from), from.size(), to);
}

TEST_F(FramesPlayback, AClassicTableOfWordsDecodesWithTheCallsItNames) {
  std::vector<AnimationFrame> frames(3, {TBitmap32(3, 2), 100});
  const std::uint32_t colors[] = {0xFF000000, 0xFFFFFFFF, 0xFFFF0000, 0xFF00FF00};
  for (std::size_t f = 0; f < frames.size(); ++f) {
    std::vector<std::uint32_t>& pixels = frames[f].image.Pixels();
    for (std::size_t k = 0; k < pixels.size(); ++k)
      pixels[k] = colors[(k * (f + 1) + f) % 4];
  }
  std::string expected;
  for (const AnimationFrame& frame : frames) {
    for (const std::uint32_t pixel : frame.image.Pixels()) {
      char text[8];
      std::snprintf(text, sizeof text, " %06X", pixel & 0xFFFFFFu);
      expected += text;
    }
    expected += "\n";
  }
  const std::vector<std::uint32_t> table = {0x000000, 0xFFFFFF, 0x0000FF, 0x00FF00};
  // Palette mode with a table of words, LSB first and compressed; 5-6-5 color in plain words.
  for (const bool palette : {true, false}) {
    SCOPED_TRACE(palette ? "palette" : "5-6-5");
    ConversionInput input;
    input.ImageMode = palette ? ImageMode::Palette : ImageMode::Color;
    for (const Option option : {Option::Word, Option::IncludeInfo, Option::PaletteTableWord})
      input.Preferences.Set(option, true);
    input.Preferences.Set(Option::LSBFirst, palette);
    input.Preferences.Set(Option::Compression, palette);
    if (palette) {
      input.ColorTable = table;
      input.PaletteColorCount = 4;
    }
    RecordingMessageBox messages;
    const TargetResult result = EncodeClassicFrames({frames, input, "walk", false}, messages);
    ASSERT_EQ(result.error, "");
    const std::vector<std::string>& calls = result.data.drawCalls;
    ASSERT_EQ(calls.size(), palette ? 2u : 1u);
    CodeFiles code;
    const TargetSettings settings;
    WriteCode(result.data, settings, "test", "walk.h", code);
    std::string player =
        Replaced(kClassicPlayer, "DATA_CALL", calls[0].substr(calls[0].find("pixmora_data d")));
    player = Replaced(player, "TABLE_CALL", palette ? calls[1] : "");
    player = Replaced(player, "TABLE,", palette ? "&table," : "NULL,");

    const testing::CProgram program(folder_.string());
    program.Write("walk.h", code.header);
    program.Write("player.c", player);
    const std::string include = "-I" + std::string(std::getenv("PIXMORA_SOURCE_DIR"));
    ASSERT_EQ(program.BuildC({"player.c"}, {}, "c_player", include), "") << code.header;
    EXPECT_EQ(program.Run("c_player").output, expected) << code.header;
  }
}

}  // namespace
}  // namespace pixmora

// "Export All Frames..." in the File menu: one table of every composed frame of a GIF, for the
// chosen target, and the statistics of all frames together.
#include <QComboBox>
#include <QLabel>
#include <fstream>

#include "platform/AtomicFile.h"
#include "tests/image/TestImages.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/TMemo.h"

namespace pixmora {
namespace {

using FramesTest = MainWindowTest;

std::string WriteGif(const std::filesystem::path& path, const testing::Bytes& gif) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(gif.data()), static_cast<std::streamsize>(gif.size()));
  return path.string();
}

TEST_F(FramesTest, ExportAllFramesWritesOneTableAndShowsItsSize) {
  TFMain& w = Start();
  EXPECT_FALSE(w.Command("mnuExportFrames")->isEnabled()) << "no picture yet";
  Open(WriteGif(folder / "anim.gif", testing::MakeAnimatedGif(3, 4, 2)));
  ASSERT_TRUE(w.Command("mnuExportFrames")->isEnabled());
  ClickEntry(w.cmbMainTarget, 4);  // rgb565
  const std::string bin = (folder / "anim.bin").string();
  dialogs.answers = {bin};
  ChooseMenuItem("mnuFile", {"mnuExportFrames"});
  ASSERT_TRUE(QTest::qWaitFor([&] { return std::filesystem::exists(bin); }));
  EXPECT_EQ(dialogs.shown.back().dialog.title, "Save all frames as...");
  std::string bytes;
  ASSERT_EQ(ReadWholeFile(bin, bytes), "");
  // Three frames of 4 x 2 5-6-5 values: black, red, green; then the tables.
  ASSERT_EQ(bytes.size(), 3u * 16u + 3u * 8u + 3u * 2u);
  EXPECT_EQ(bytes.substr(16, 2), std::string("\x00\xF8", 2));
  EXPECT_EQ(bytes.substr(32, 2), std::string("\xE0\x07", 2));
  EXPECT_EQ(w.Label("lblOutputDataSize")->text(), "Output data size: 78 bytes, all 3 frames");
  EXPECT_TRUE(w.Label("lblOutputDataSize")->isEnabled());
  EXPECT_FALSE(w.Command("mnuCopy")->isEnabled()) << "the output window is still empty";
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(FramesTest, AClassicTableOfAPictureAndAFailureToWrite) {
  Start();
  Open(WriteImage("sample.bmp", 3, 2));
  const std::string header = (folder / "sample.h").string();
  dialogs.answers = {header};
  ChooseMenuItem("mnuFile", {"mnuExportFrames"});
  ASSERT_TRUE(QTest::qWaitFor([&] { return std::filesystem::exists(header); }));
  std::string text;
  ASSERT_EQ(ReadWholeFile(header, text), "");
  EXPECT_NE(text.find("#define SAMPLE_FRAME_COUNT 1\n"), std::string::npos);
  EXPECT_NE(text.find("pixmora-cli sample.bmp --frames all"), std::string::npos) << text;

  dialogs.answers = {(folder / "missing" / "sample.h").string()};
  ChooseMenuItem("mnuFile", {"mnuExportFrames"});
  ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.shown.empty(); }));
  EXPECT_EQ(messages.shown[0].title, "Export error");
  EXPECT_NE(messages.shown[0].text.find("missing/sample.h"), std::string::npos);
}

}  // namespace
}  // namespace pixmora

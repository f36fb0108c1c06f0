// "Export All Frames..." in the File menu: one table of every composed frame of a GIF, edited
// as the picture was, for the chosen target, and the statistics of all frames together; a frame
// step shows its frame composed in the Display preview.
#include <QComboBox>
#include <QLabel>
#include <fstream>

#include "image/Frames.h"
#include "image/Geometry.h"
#include "platform/AtomicFile.h"
#include "tests/image/TestImages.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/TMemo.h"
#include "ui/UDisplayPreview.h"

namespace pixmora {
namespace {

using FramesTest = MainWindowTest;

std::string WriteGif(const std::filesystem::path& path, const testing::Bytes& gif) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(gif.data()), static_cast<std::streamsize>(gif.size()));
  return path.string();
}

// A 5 x 4 screen: a full first frame, then a 2 x 2 image at (2, 1) with a transparent pixel,
// kept, then a 3 x 1 image at (0, 3).
testing::Bytes OffsetFramesGif() {
  testing::GifSpec gif{
      .screenWidth = 5, .screenHeight = 4, .palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF}};
  std::vector<std::uint8_t> first(20);
  for (std::size_t i = 0; i < first.size(); ++i)
    first[i] = static_cast<std::uint8_t>(i * 7 % 4);
  gif.frames.push_back({.width = 5, .height = 4, .indices = first});
  gif.frames.push_back({.left = 2,
                        .top = 1,
                        .width = 2,
                        .height = 2,
                        .indices = {2, 3, 3, 1},
                        .transparentIndex = 3,
                        .disposal = 1});
  gif.frames.push_back({.top = 3, .width = 3, .height = 1, .indices = {1, 1, 2}, .disposal = 2});
  return testing::MakeGif(gif);
}

std::uint16_t Rgb565(std::uint32_t pixel) {
  return static_cast<std::uint16_t>((pixel >> 8 & 0xF800) | (pixel >> 5 & 0x07E0) |
                                    (pixel >> 3 & 0x001F));
}

TEST_F(FramesTest, ExportAllFramesRunsTheEditsOnEveryComposedFrame) {
  TFMain& w = Start();
  const std::string gif = WriteGif(folder / "walk.gif", OffsetFramesGif());
  Open(gif);
  ClickEntry(w.cmbMainTarget, 4);  // rgb565
  w.Command("mnuRotateRight")->trigger();
  w.Command("mnuFlipHorizontal")->trigger();
  ASSERT_EQ(w.Document.WorkingImage.Width(), 4);
  const std::string bin = (folder / "walk.bin").string();
  dialogs.answers = {bin};
  ChooseMenuItem("mnuFile", {"mnuExportFrames"});
  ASSERT_TRUE(QTest::qWaitFor([&] { return std::filesystem::exists(bin); }));
  std::string bytes;
  ASSERT_EQ(ReadWholeFile(bin, bytes), "");

  const FrameSet composed = ReadGifFrames(gif);
  ASSERT_EQ(composed.frames.size(), 3u);
  for (std::size_t i = 0; i < composed.frames.size(); ++i) {
    TBitmap32 expected = RotateRight(composed.frames[i].image);
    FlipHorizontal(expected);
    if (i == 0) {
      EXPECT_EQ(expected, w.Document.WorkingImage);
    }
    const std::size_t start = i * 4 * 5 * 2;
    ASSERT_GE(bytes.size(), start + 40);
    for (int k = 0; k < 20; ++k) {
      const auto low = static_cast<unsigned char>(bytes[start + 2 * k]);
      const auto high = static_cast<unsigned char>(bytes[start + 2 * k + 1]);
      EXPECT_EQ(low | high << 8, Rgb565(expected.Pixels()[static_cast<std::size_t>(k)]))
          << "frame " << i << " pixel " << k;
    }
  }
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(FramesTest, AFrameStepShowsTheComposedFrameInTheDisplayPreview) {
  TFMain& w = Start();
  // The classic output of the GIF's palette.
  Open(WriteGif(folder / "walk.gif", OffsetFramesGif()));
  Press(Qt::Key_F6);
  Press(Qt::CTRL | Qt::Key_F6);  // the differences from the composed frame
  const TDisplayPreview* pane = w.pnlDisplayPreview;
  EXPECT_EQ(pane->lblSummary->text().toStdString().find("5 x 4 pixels"), std::string::npos)
      << "nothing converted yet";

  Press(Qt::ALT | Qt::Key_Right);
  ASSERT_EQ(w.Document.FrameIndex, 1);
  EXPECT_EQ(w.Document.WorkingImage.Width(), 2) << "the frame alone, as the file stores it";
  EXPECT_NE(pane->lblSummary->text().toStdString().find("5 x 4 pixels"), std::string::npos)
      << pane->lblSummary->text().toStdString();
  EXPECT_EQ(pane->lblDifferences->text(), "No pixel differs by more than 8");
  EXPECT_FALSE(pane->lblPreviewStale->isVisible());

  // An edit makes it out of date; Clear Output empties it.
  w.Command("mnuRotateRight")->trigger();
  EXPECT_TRUE(pane->lblPreviewStale->isVisible());
  Press(Qt::ALT | Qt::Key_Left);
  EXPECT_EQ(w.Document.FrameIndex, 0);
  EXPECT_FALSE(pane->lblPreviewStale->isVisible());
  w.ClearOutput();
  EXPECT_EQ(pane->lblSummary->text().toStdString().find("pixels"), std::string::npos);
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

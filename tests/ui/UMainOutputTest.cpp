#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "conversion/UConvert.h"
#include "platform/AtomicFile.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/TMemo.h"

namespace pixmora {
namespace {

const char* const kOutputCommands[] = {"mnuExport", "mnuExportAs", "mnuCopy", "mnuClearOutput"};

class OutputTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    Start();
    Open(WriteImage("sample.bmp", 100, 100));
    QObject::connect(window->mmoDataOutput, &TMemo::textChanged,
                     [this] { texts.emplace_back(window->mmoDataOutput->Text()); });
  }

  bool AnyOutputCommandEnabled() {
    for (const char* name : kOutputCommands) {
      if (Enabled(name))
        return true;
    }
    return window->findChild<QToolButton*>("btnCopy")->isEnabled();
  }

  std::vector<std::string> texts;  // the output text at each change
};

TEST_F(OutputTest, ConvertSetsTheTextTwiceEndingWithTheBanner) {
  window->Command("mnuConvert")->trigger();
  ASSERT_EQ(texts.size(), 3u);  // emptied, then set twice
  EXPECT_EQ(texts[0], "");
  const std::string& banner = window->Engine.OutputBanner();
  ASSERT_FALSE(banner.empty());
  EXPECT_NE(texts[1].substr(0, banner.size()), banner);
  EXPECT_EQ(texts[2], banner + texts[1]);
  EXPECT_EQ(window->mmoDataOutput->Text(), window->Engine.OutputText());
  // 100 x 100 pixels in 65536 colors, Byte: two bytes per pixel and six of image information.
  EXPECT_EQ(window->Engine.OutputElementCount(), 20006);
  for (const char* name : kOutputCommands)
    EXPECT_TRUE(Enabled(name)) << name;
  EXPECT_TRUE(window->Label("lblOutputDataSize")->isEnabled());
  EXPECT_EQ(window->Label("lblOutputDataSize")->text(), "Output data size: 20006 bytes");
  EXPECT_FALSE(window->Label("lblColorTableSize")->isEnabled());
  EXPECT_EQ(window->Label("lblCompressionRatio")->text(), "Compression ratio:");
  EXPECT_FALSE(window->frmConvert->isVisible());
}

TEST_F(OutputTest, EscDuringTheRunLeavesTheOutputEmpty) {
  int phases = 0;
  QObject::connect(window->frmConvert, &TFConvert::PhaseStarted, [&](const QString& caption) {
    ++phases;
    EXPECT_EQ(caption, "Convert image to 65536 colors...");
    QTest::keyClick(window->frmConvert, Qt::Key_Escape);
  });
  window->Command("mnuConvert")->trigger();
  EXPECT_EQ(phases, 1);
  EXPECT_TRUE(window->mmoDataOutput->IsEmpty());
  EXPECT_FALSE(AnyOutputCommandEnabled());
  EXPECT_FALSE(window->frmConvert->isVisible());
}

TEST_F(OutputTest, CancelButtonStopsTheRunToo) {
  QObject::connect(window->frmConvert, &TFConvert::PhaseStarted,
                   [&] { QTest::mouseClick(window->frmConvert->btnCancel, Qt::LeftButton); });
  window->Command("mnuConvert")->trigger();
  EXPECT_TRUE(window->mmoDataOutput->IsEmpty());
  EXPECT_FALSE(AnyOutputCommandEnabled());
}

TEST_F(OutputTest, ConvertWindowCaptionAndControls) {
  TFConvert& convert = *window->frmConvert;
  EXPECT_EQ(convert.windowTitle(), "Converting...");
  EXPECT_EQ(convert.size(), QSize(316, 125));
  EXPECT_EQ(convert.btnCancel->text(), " Cancel");
  EXPECT_EQ(convert.Timer1->interval(), 1);
  EXPECT_FALSE(convert.Timer1->isActive());
}

TEST_F(OutputTest, ClearOutputDisablesEveryOutputCommandAtOnce) {
  window->Command("mnuConvert")->trigger();
  ASSERT_TRUE(AnyOutputCommandEnabled());
  window->Command("mnuClearOutput")->trigger();
  EXPECT_TRUE(window->mmoDataOutput->IsEmpty());
  EXPECT_FALSE(AnyOutputCommandEnabled());
  EXPECT_FALSE(window->Label("lblOutputDataSize")->isEnabled());
  EXPECT_EQ(window->Label("lblOutputDataSize")->text(), "Output data size:");
  // The popup shows the same two commands.
  EXPECT_TRUE(window->pumOutputWindow->actions().contains(window->Command("mnuCopy")));
  EXPECT_TRUE(window->pumOutputWindow->actions().contains(window->Command("mnuClearOutput")));
}

TEST_F(OutputTest, CopyPutsTheWholeTextOnTheClipboard) {
  window->Command("mnuConvert")->trigger();
  window->Command("mnuCopy")->trigger();
  ASSERT_EQ(clipboard.texts.size(), 1u);
  EXPECT_EQ(clipboard.texts[0], window->mmoDataOutput->Text());
  EXPECT_EQ(window->mmoDataOutput->SelLength(), 0u);
}

TEST_F(OutputTest, ExportAsksOnceAndExportAsAlwaysAsks) {
  window->Command("mnuConvert")->trigger();
  const std::string text = (folder / "out.h").string();
  const std::string binary = (folder / "out.bin").string();
  const std::size_t before = dialogs.shown.size();
  dialogs.answers = {text};
  window->Command("mnuExport")->trigger();
  window->Command("mnuExport")->trigger();
  ASSERT_EQ(dialogs.shown.size(), before + 1);
  EXPECT_EQ(dialogs.shown.back().dialog.title, "Save image output data pixels as...");
  EXPECT_EQ(dialogs.shown.back().dialog.defaultExtension, ".h");
  EXPECT_EQ(dialogs.shown.back().dialog.filters[0].description, "C Header Files (*.h)");
  const std::string banner = window->Engine.OutputBanner();
  std::string written;
  ASSERT_EQ(ReadWholeFile(text, written), "");
  EXPECT_EQ(written.substr(0, banner.size()), banner);

  dialogs.answers = {binary};
  window->Command("mnuExportAs")->trigger();
  ASSERT_EQ(ReadWholeFile(binary, written), "");
  // Six bytes of image information (100 x 100 and the color mode word), then two per pixel.
  EXPECT_EQ(written.size(), 6u + 20000u);
  EXPECT_EQ(written.substr(0, 4), std::string("\x00\x64\x00\x64", 4));
}

}  // namespace
}  // namespace pixmora

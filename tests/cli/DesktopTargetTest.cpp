// The desktop program's target output is pixmora-cli's: the same bytes for the same picture and
// settings, but for the name of the program in the comment.
#include <gtest/gtest.h>

#include "image/RecordingDocumentView.h"
#include "platform/RecordingMessageBox.h"
#include "targets/Provenance.h"
#include "tests/cli/CliFixture.h"
#include "ui/TargetOutput.h"

namespace pixmora::cli {
namespace {

class DesktopTargetTest : public CliFixture {
 protected:
  void SetUp() override {
    CliFixture::SetUp();
    Save("clear.png",
         pixmora::testing::MakeRgbPng(
             3, 2, {0x00000000, 0xFF000000, 0x80FFFFFF, 0xFF102030, 0x40FF0000, 0}, true));
    std::filesystem::create_directory(Path("desktop"));
  }

  // The picture opened as the Open dialog does and converted as Convert does.
  std::string Desktop(const TargetSettings& settings) {
    RecordingDocumentView view;
    RecordingMessageBox messages;
    ImageDocument document(view, messages);
    view.openNames.push_back(Path("clear.png"));
    EXPECT_TRUE(document.mnuOpenClick(LoadOrigin::Dialog));
    EXPECT_EQ(output.Convert(document, settings), "");
    std::string text(output.Text());
    const std::string desktop = "Made by Pixmora_Convert 4.0: pixmora-cli ";
    for (std::size_t at = text.find(desktop); at != std::string::npos; at = text.find(desktop))
      text.replace(at, desktop.size(), "Made by pixmora-cli 4.0: pixmora-cli ");
    return text;
  }

  // pixmora-cli run in the picture's folder with the arguments the desktop's comment names.
  std::string Cli(const TargetSettings& settings, const std::string& output) {
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(folder_);
    const Outcome outcome = Run(EquivalentArguments("clear.png", settings, output));
    std::filesystem::current_path(before);
    EXPECT_EQ(outcome.code, 0) << outcome.err;
    return outcome.out;
  }

  TargetOutput output;
};

TargetSettings For(TargetKind kind, void (*change)(TargetSettings&)) {
  TargetSettings s;
  s.target = kind;
  change(s);
  return s;
}

TEST_F(DesktopTargetTest, TheShownTextIsWhatPixmoraCliPrints) {
  for (const TargetSettings& settings :
       {For(TargetKind::Rgb565,
            [](TargetSettings& s) {
              s.mask = true;
              s.invert = true;  // not read by rgb565: not on the command line either
            }),
        For(TargetKind::GfxBitmap, [](TargetSettings& s) {
          s.lumaThreshold = 90;
          s.progmem = false;
          s.dither = Dither::FloydSteinberg;
          s.background = 0x102030;
        })}) {
    EXPECT_EQ(Desktop(settings), Cli(settings, "")) << InfoOf(settings.target).name;
  }
  const TargetSettings pair = For(TargetKind::Lvgl9, [](TargetSettings& s) { s.align = 4; });
  const std::string shown = Desktop(pair);
  Cli(pair, "clear.c");
  EXPECT_EQ(shown,
            "// clear.h\n" + Read(Path("clear.h")) + "\n// clear.c\n" + Read(Path("clear.c")));
}

TEST_F(DesktopTargetTest, ExportedFilesAreWhatPixmoraCliWrites) {
  const TargetSettings settings = For(TargetKind::Gray4, [](TargetSettings& s) {
    s.code = CodeStyle::C;
    s.section = ".x";
  });
  Desktop(settings);
  ASSERT_EQ(output.Export(Path("desktop/icon.h")), "");
  Cli(settings, "icon.h");
  for (const char* file : {"icon.h", "icon.c"}) {
    std::string exported = Read(Path(std::string("desktop/") + file));
    exported.replace(exported.find("Pixmora_Convert"), 15, "pixmora-cli");
    EXPECT_EQ(exported, Read(Path(file))) << file;
  }
}

}  // namespace
}  // namespace pixmora::cli

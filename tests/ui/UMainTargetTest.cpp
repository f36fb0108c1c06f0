// The target on the main window: the drop-down, the conversion, the output commands and the
// settings file.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <fstream>

#include "platform/AtomicFile.h"
#include "settings/USettings.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/TMemo.h"

namespace pixmora {
namespace {

// The rows of the drop-down.
constexpr int kRgb565 = 4;
constexpr int kGray8 = 6;
constexpr int kIndex4 = 9;
constexpr int kIndex8 = 10;

std::string ReadFile(const std::string& path) {
  std::string text;
  EXPECT_EQ(ReadWholeFile(path, text), "") << path;
  return text;
}

using TargetTest = MainWindowTest;

TEST_F(TargetTest, ConvertCopyAndExportFollowTheTarget) {
  TFMain& w = Start();
  EXPECT_EQ(w.cmbMainTarget->itemText(0), "Classic");
  EXPECT_EQ(w.cmbMainTarget->itemText(kIndex8), "index8");
  EXPECT_EQ(w.cmbMainTarget->toolTip(),
            "The display library layout the output is made for; classic is the desktop "
            "program's");
  Open(WriteImage("sample.bmp", 13, 2));
  Press(Qt::Key_F5);
  ASSERT_FALSE(w.mmoDataOutput->IsEmpty());
  ClickEntry(w.cmbMainTarget, kRgb565);
  EXPECT_EQ(w.TargetSettings.target, TargetKind::Rgb565);
  EXPECT_TRUE(w.mmoDataOutput->IsEmpty());
  EXPECT_EQ(w.Label("lblOutputDataSize")->text(), "Output data size:");

  Press(Qt::Key_F5);
  const std::string text(w.mmoDataOutput->Text());
  EXPECT_EQ(text.rfind("/*\n * sample: 13 x 2 pixels, target rgb565\n", 0), 0u);
  EXPECT_NE(text.find(" * Made by Pixmora_Convert 4.0: pixmora-cli sample.bmp --target rgb565\n"),
            std::string::npos);
  EXPECT_EQ(w.Label("lblOutputDataSize")->text(), "Output data size: 52 bytes");
  EXPECT_FALSE(w.Label("lblColorTableSize")->isEnabled());

  Press(Qt::CTRL | Qt::Key_C);
  ASSERT_EQ(clipboard.texts.size(), 1u);
  EXPECT_EQ(clipboard.texts[0], text);

  const std::string header = (folder / "splash.h").string();
  dialogs.answers = {header};
  ClickButton("btnExport");
  ASSERT_FALSE(dialogs.shown.empty());
  EXPECT_EQ(dialogs.shown.back().dialog.filters[0].description, "C Header Files (*.h)");
  std::string exported = text;
  const std::string command = "--target rgb565\n";
  exported.insert(exported.find(command) + command.size() - 1, " -o splash.h");
  EXPECT_EQ(ReadFile(header), exported);

  // An edit leaves the text, out of date, as the classic output's.
  ClickButton("btnRotateRight");
  EXPECT_EQ(w.mmoDataOutput->Text(), text);
  EXPECT_TRUE(w.Label("lblOutputStale")->isVisible());
}

TEST_F(TargetTest, ARefusalIsShownAndTheProgramStaysUsable) {
  TFMain& w = Start();
  Open(WriteImage("photo.bmp", 30, 20));
  ClickEntry(w.cmbMainTarget, kIndex4);
  Press(Qt::Key_F5);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text,
            "index4 needs at most 16 colors; reduce colors first (--reduce 16)");
  EXPECT_EQ(messages.shown[0].title, "Target error");
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Error);
  EXPECT_FALSE(Enabled("mnuCopy"));

  // Reduced to 256 colors, the picture has a palette that index8 takes.
  ClickButton("mnuResampleImage2");
  ClickEntry(w.cmbMainTarget, kIndex8);
  Press(Qt::Key_F5);
  EXPECT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(
      w.mmoDataOutput->Text().find("static const uint16_t photo_cmap[] PHOTO_ATTRIBUTE = {\n"),
      std::string::npos);
}

TEST_F(TargetTest, TheTargetComesFromTheSettingsFileAndThePreferencesAndGoesBack) {
  std::ofstream(settingsPath) << "[Target]\r\nTarget=lvgl9\r\nColorFormat=A8\r\n";
  TFMain& w = Start();
  EXPECT_EQ(w.cmbMainTarget->currentText(), "lvgl9");
  Open(WriteImage("icon.bmp", 4, 3));
  Press(Qt::Key_F5);
  const std::string_view text = w.mmoDataOutput->Text();
  EXPECT_EQ(text.substr(0, 11), "// icon.h\n/");
  EXPECT_NE(text.find("\n// icon.c\n/*\n * icon: 4 x 3 pixels, target lvgl9 --cf A8\n"),
            std::string::npos);

  dialogs.answers = {(folder / "logo").string()};
  ChooseMenuItem("mnuFile", {"mnuExportAs"});
  EXPECT_EQ(dialogs.shown.back().dialog.defaultExtension, ".c");
  EXPECT_EQ(dialogs.shown.back().dialog.filters[0].description, "C Source and Header Files (*.c)");
  EXPECT_NE(ReadFile((folder / "logo.c").string()).find("#include \"logo.h\"\n"),
            std::string::npos);

  // The drop-down follows the Preferences.
  WhenShown(w.frmSettings, [&w] {
    w.frmSettings->SelectTab("Target");
    ClickEntry(w.frmSettings->findChild<QComboBox*>("cmbTarget"), kGray8);
    QTest::mouseClick(w.frmSettings->findChild<QPushButton*>("btnOK"), Qt::LeftButton);
  });
  ClickButton("btnPreferences");
  EXPECT_EQ(w.cmbMainTarget->currentText(), "gray8");
  EXPECT_TRUE(w.mmoDataOutput->IsEmpty());

  ASSERT_TRUE(w.close());
  const std::string settings = ReadFile(settingsPath);
  EXPECT_NE(settings.find("[Target]\r\nTarget=gray8\r\nColorFormat=A8\r\n"), std::string::npos)
      << settings;
}

}  // namespace
}  // namespace pixmora

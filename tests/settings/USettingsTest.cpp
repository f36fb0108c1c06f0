#include "settings/USettings.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/RecordingFileWatch.h"
#include "platform/RecordingMessageBox.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/TMemo.h"

namespace pixmora {
namespace {

using enum Option;

// A click of the user: the control's tab comes forward first, and the pointer lands on the
// box, since a radio button or check box takes clicks on its box and caption only.
void Click(QDialog& window, const char* name) {
  auto* control = window.findChild<QAbstractButton*>(name);
  ASSERT_NE(control, nullptr) << name;
  auto* tabs = window.findChild<QTabWidget*>("pagPreferences");
  for (int i = 0; i < tabs->count(); ++i) {
    if (tabs->widget(i)->isAncestorOf(control))
      tabs->setCurrentIndex(i);
  }
  QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(6, control->height() / 2));
}

// The Preferences window over a record of its own and a recording watch.
class SettingsWindowTest : public testing::Test {
 protected:
  QAbstractButton* Control(const char* name) { return window->findChild<QAbstractButton*>(name); }
  bool Checked(const char* name) { return Control(name)->isChecked(); }
  bool Enabled(const char* name) { return Control(name)->isEnabled(); }

  // Shows the window modally, clicks the named controls in turn, the last of which closes it.
  int ShowAndClick(
      const std::vector<const char*>& names, const std::function<void()>& beforeClose = [] {}) {
    QTimer::singleShot(0, [&] {
      for (std::size_t i = 0; i + 1 < names.size(); ++i)
        Click(*window, names[i]);
      beforeClose();
      Click(*window, names.back());
      EXPECT_FALSE(window->isVisible());
    });
    return window->exec();
  }

  Preferences preferences;
  TargetSettings target;
  RecordingMessageBox messages;
  RecordingFileWatch watch;
  ImageMode mode = ImageMode::Color;
  int outputClears = 0;
  std::function<void()> customFormat = [] {};
  std::unique_ptr<TFSettings> window = std::make_unique<TFSettings>(SettingsWindowLinks{
      preferences, watch, [] { return std::string("/pictures/logo.png"); }, [this] { return mode; },
      [this] { ++outputClears; }, [this] { customFormat(); }, target, messages});
};

TEST_F(SettingsWindowTest, ControlsCarryTheirCaptionsHintsAndFirstStartValues) {
  EXPECT_EQ(window->windowTitle(), "Preferences");
  EXPECT_EQ(window->ActiveTab(), "Color");
  const struct {
    const char* control;
    const char* caption;
    const char* hint;
    bool checked;  // at a first start
  } controls[] = {
      {"rdbColor256", "256 Colors (3-3-2)", "Convert image to 256 colors mode (RGB: 3-3-2)", false},
      {"rdbColor4096", "4096 Colors (4-4-4)", "Convert image to 4096 colors mode (RGB: 4-4-4)",
       false},
      {"rdbColor65536", "65536 Colors (5-6-5)", "Convert image to 65536 colors mode (RGB: 5-6-5)",
       true},
      {"rdbMonochromeHorizontal", "Horizontal orientation",
       "Convert image to monochrome mode with\nhorizontal orientation (1 byte = 8 pixel)", false},
      {"rdbMonochromeVertical", "Vertical orientation",
       "Convert image to monochrome mode with\nvertical orientation (1 byte = 8 pixel)", true},
      {"rdbPaletteTableByte", "Byte", "Set color table output data as bytes", false},
      {"rdbPaletteTableWord", "Word", "Set color table output data as words (two bytes)", true},
      {"rdbPalette1Pixel", "1 pixel per byte",
       "Always use 1 pixel per byte, regardless of color depth", true},
      {"rdbPalette1To8Pixel", "1 - 8 pixels per byte",
       "Use 1 to 8 pixels per byte, according to color depth:\n256 - 32 colors: 1 pixel per "
       "byte\n16 - 8 colors: 2 pixels per byte\n4 colors: 4 pixels per byte\n2 colors: 8 pixels "
       "per byte",
       false},
      {"chkPaletteSeparate", "Separate color table", "", true},
      {"rdbPaletteSaveHeader", "Save color table with image file",
       "Save color table with image file as header", true},
      {"rdbPaletteSaveDiffFile", "Save color table to different file",
       "Save color table to different file", false},
      {"rdbPaletteSaveNo", "Don't save color table", "Don't save color table at all", false},
      {"chkPaletteInclude", "Include table size", "Save color table size into color table file",
       false},
      {"rdbCArray", "C Array", "Convert image output data to C array", true},
      {"rdbBasicData", "Basic Data", "Convert image output data to BASIC table (Bascom format)",
       false},
      {"rdbCustom", "Custom format", "Convert image output data according to custom settings",
       false},
      {"rdbByte", "Byte", "Set image output data as bytes", true},
      {"rdbWord", "Word", "Set image output data as words (two bytes)", false},
      {"chkLSBFirst", "LSB byte first", "Output data order: LSB-MSB", false},
      {"chkCompression", "Compress data",
       "Encoding scheme:\n\nAAAA BB  C D EEEEE F G HHH I J =\n\nAA2  BB0 C D EE3   F G HH1 I J",
       false},
      {"chkIncludeInfo", "Include image information",
       "Include image dimensions and color mode into image file", true},
      // The integration switches name what they change on this desktop.
      {"chkSystemAddToSend", "Add to the desktop's 'Send To' entries",
       "Add a \"Send To\" desktop entry for the program", false},
      {"chkContextMenu", "Add 'Open with Pixmora_Convert' to the file manager",
       "Offer the program in the file manager's \"Open With\" menu for pictures", false},
      {"chkSystemAutoDetect", "Autodetect external changes",
       "Detect external changes automatically", false},
      {"chkSystemEnableDragDrop", "Enable Drag && Drop", "Enable drag & drop operations", false},
      {"chkSystemAskReload", "Ask before reload image", "Ask before reload image", false},
      {"chkStayOnTop", "Stay on top", "Make program to stay on top", false},
  };
  for (const auto& c : controls) {
    QAbstractButton* control = Control(c.control);
    ASSERT_NE(control, nullptr) << c.control;
    EXPECT_EQ(control->text(), c.caption) << c.control;
    EXPECT_EQ(control->toolTip(), c.hint) << c.control;
    EXPECT_EQ(control->isChecked(), c.checked) << c.control;
  }
  EXPECT_TRUE(Control("chkPaletteSeparate")->isHidden());
  EXPECT_TRUE(Control("chkPaletteInclude")->isHidden());
  EXPECT_FALSE(Control("chkStayOnTop")->isHidden());
  const auto frameOf = [&](const char* name) {
    return qobject_cast<QGroupBox*>(Control(name)->parentWidget())->title();
  };
  EXPECT_EQ(frameOf("rdbColor256"), " Colors ");
  EXPECT_EQ(frameOf("rdbMonochromeVertical"), " Orientation ");
  EXPECT_EQ(frameOf("chkPaletteSeparate"), " Color table representation ");
  EXPECT_EQ(frameOf("rdbPalette1Pixel"), " Output data pixels per byte (16 colors or less) ");
  EXPECT_EQ(frameOf("rdbPaletteSaveNo"), " Save options for color table ");
  EXPECT_EQ(frameOf("btnSettings"), " Output format ");
  EXPECT_EQ(frameOf("chkLSBFirst"), " Data representation ");
  EXPECT_EQ(frameOf("chkCompression"), " Compression ");
  EXPECT_EQ(frameOf("chkIncludeInfo"), " Save options for image info ");
  EXPECT_EQ(frameOf("chkContextMenu"), " System integration ");
  EXPECT_EQ(frameOf("chkSystemAskReload"), " File handling ");
  EXPECT_EQ(frameOf("chkStayOnTop"), " Program behavior ");
  EXPECT_EQ(Control("btnSettings")->text(), "Settings...");
  QStringList tabs;
  auto* pages = window->findChild<QTabWidget*>("pagPreferences");
  for (int i = 0; i < pages->count(); ++i)
    tabs << pages->tabText(i);
  EXPECT_EQ(tabs, QStringList({"Color", "Monochrome", "Palette", "Common", "Target", "System"}));
}

// Every tab shows whole, with no scroll arrows, in the usual font and in a large one: the window
// grows to its tabs.
TEST_F(SettingsWindowTest, EveryTabShowsWholeWithoutScrollArrows) {
  for (const int points : {0, 16}) {
    if (points > 0)
      window->setFont(QFont(window->font().family(), points));
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QApplication::processEvents();
    auto* bar = window->findChild<QTabBar*>();
    ASSERT_NE(bar, nullptr);
    QStringList captions;
    for (int i = 0; i < bar->count(); ++i) {
      captions << bar->tabText(i);
      const QRect tab = bar->tabRect(i);
      EXPECT_TRUE(bar->rect().contains(tab)) << bar->tabText(i).toStdString() << " " << points;
      EXPECT_TRUE(
          window->rect().contains(QRect(bar->mapTo(window.get(), tab.topLeft()), tab.size())))
          << bar->tabText(i).toStdString() << " " << points;
      EXPECT_EQ(bar->fontMetrics().elidedText(bar->tabText(i), Qt::ElideRight, tab.width()),
                bar->tabText(i));
    }
    EXPECT_EQ(captions.mid(0, 4), (QStringList{"Color", "Monochrome", "Palette", "Common"}));
    EXPECT_TRUE(captions.contains("System"));
    for (const QToolButton* arrow : bar->findChildren<QToolButton*>())
      EXPECT_FALSE(arrow->isVisible()) << points;
    window->hide();
  }
}

TEST_F(SettingsWindowTest, ClickingARadioButtonKeepsOneSetPerGroupAndOkKeepsIt) {
  EXPECT_EQ(ShowAndClick({"rdbColor256", "rdbColor4096", "rdbPaletteSaveNo", "btnOK"}),
            QDialog::Accepted);
  EXPECT_FALSE(Checked("rdbColor65536"));
  EXPECT_FALSE(Checked("rdbColor256"));
  EXPECT_TRUE(Checked("rdbColor4096"));
  for (const GroupInfo& group : Groups()) {
    int set = 0;
    for (Option member : group.Members())
      set += preferences.Is(member) ? 1 : 0;
    EXPECT_EQ(set, 1) << group.frameCaption;
  }
  EXPECT_TRUE(preferences.Is(Color4096));
  EXPECT_TRUE(preferences.Is(PaletteSaveNo));
}

TEST_F(SettingsWindowTest, EnablingRulesFollowTheirOptionsAndKeepValues) {
  EXPECT_FALSE(Enabled("btnSettings"));
  EXPECT_FALSE(Enabled("chkLSBFirst"));
  EXPECT_FALSE(Enabled("chkSystemAskReload"));
  ShowAndClick({"rdbCustom", "rdbWord", "chkLSBFirst", "chkSystemAutoDetect", "btnOK"}, [&] {
    EXPECT_TRUE(Enabled("btnSettings"));
    EXPECT_TRUE(Enabled("chkLSBFirst"));
    EXPECT_TRUE(Enabled("chkSystemAskReload"));
  });
  ShowAndClick({"rdbBasicData", "rdbByte", "btnOK"});
  EXPECT_FALSE(Enabled("btnSettings"));
  EXPECT_FALSE(Enabled("chkLSBFirst"));
  EXPECT_TRUE(preferences.Is(LSBFirst));  // disabled, still set, saved as set

  // The settings file writes the record directly: the next showing follows it.
  preferences.Set(Custom, true);
  ShowAndClick({"btnCancel"}, [&] {
    EXPECT_TRUE(Checked("rdbCustom"));
    EXPECT_TRUE(Enabled("btnSettings"));
  });
}

TEST_F(SettingsWindowTest, CancelAndTheCloseBoxRestoreTheRecordAndTheWatch) {
  preferences.Set(Compression, true);
  const Preferences before = preferences;
  EXPECT_EQ(ShowAndClick({"rdbColor256", "chkCompression", "chkStayOnTop", "chkSystemAutoDetect",
                          "btnCancel"},
                         [&] { EXPECT_TRUE(watch.running); }),  // on at once
            QDialog::Rejected);
  EXPECT_EQ(preferences, before);
  EXPECT_TRUE(Checked("chkCompression"));
  EXPECT_EQ(watch.calls,
            (std::vector<std::string>{"Stop", "SetOptions 17", "SetFileName /pictures/logo.png",
                                      "Start", "Stop"}));
  EXPECT_EQ(outputClears, 0);
  EXPECT_EQ(window->ActiveTab(), "System");  // the tab Cancel was chosen on stays

  // Switched off, then the close box: the restored check box starts the watch again.
  preferences.Set(SystemAutoDetect, true);
  QTimer::singleShot(0, [&] {
    Click(*window, "chkSystemAutoDetect");
    EXPECT_FALSE(watch.running);
    window->close();
  });
  EXPECT_EQ(window->exec(), QDialog::Rejected);
  EXPECT_TRUE(preferences.Is(SystemAutoDetect));
  EXPECT_TRUE(watch.running);
  EXPECT_TRUE(Enabled("chkSystemAskReload"));
}

TEST_F(SettingsWindowTest, CancelPutsBackAGroupTheSettingsFileLeftEmpty) {
  preferences.Set(CArray, false);
  ShowAndClick({"rdbBasicData", "btnCancel"});
  EXPECT_FALSE(preferences.SetMember(OptionGroup::OutputFormat).has_value());
  for (const char* name : {"rdbCArray", "rdbBasicData", "rdbCustom"})
    EXPECT_FALSE(Checked(name)) << name;
}

TEST_F(SettingsWindowTest, OkEmptiesTheOutputWhenAChangeShapesItInTheImageMode) {
  mode = ImageMode::Palette;
  ShowAndClick({"btnOK"});
  ShowAndClick({"rdbColor256", "chkIncludeInfo", "btnOK"});
  EXPECT_EQ(outputClears, 0);
  ShowAndClick({"rdbPalette1To8Pixel", "btnOK"});
  EXPECT_EQ(outputClears, 1);
}

TEST_F(SettingsWindowTest, TheCustomFormatWindowReturnsToAnOpenPreferencesWindow) {
  QDialog custom(window.get());
  int shown = 0;
  customFormat = [&] {
    ++shown;
    QTimer::singleShot(0, &custom, shown == 1 ? &QDialog::accept : &QDialog::reject);
    custom.exec();
    EXPECT_TRUE(window->isVisible());
  };
  preferences.Set(Custom, true);
  EXPECT_EQ(ShowAndClick({"btnSettings", "btnSettings", "btnOK"}), QDialog::Accepted);
  EXPECT_EQ(shown, 2);
}

// The entry of a drop-down of the Target tab, chosen by the user: the tab comes forward first.
void Choose(QDialog& window, const char* name, const QString& entry) {
  auto* tabs = window.findChild<QTabWidget*>("pagPreferences");
  auto* box = window.findChild<QComboBox*>(name);
  ASSERT_NE(box, nullptr) << name;
  tabs->setCurrentWidget(window.findChild<QWidget*>("tabTarget"));
  const int row = box->findText(entry);
  ASSERT_GE(row, 0) << entry.toStdString();
  ClickEntry(box, row);
  ASSERT_EQ(box->currentText(), entry);
}

TEST_F(SettingsWindowTest, TheTargetTabCarriesTheTableCaptionsAndHints) {
  const struct {
    const char* control;
    const char* caption;  // of the check box, or of the label before the control
    const char* hint;
  } controls[] = {
      {"cmbTarget", "Target:",
       "The display library layout the output is made for; classic is the desktop program's"},
      {"cmbColorFormat", "LVGL color format:", "The color format of the LVGL 9 image descriptor"},
      {"chkSwapBytes", "Swap bytes",
       "Exchange the two bytes of every 16-bit value (high byte first in memory)"},
      {"edtBackground", "Background:",
       "The color transparent pixels are blended over (default white for 1-bit and gray "
       "targets, black for color ones)"},
      {"chkMask", "Mask",
       "Add a 1-bit transparency mask (alpha 128 or more is drawn) for the masked draw calls"},
      {"spnLumaThreshold",
       "Luma threshold:", "A 1-bit pixel is dark when its luma (Rec. 601, 0 to 255) is below N"},
      {"chkInvert", "Set bits for lit pixels", "A set bit is a lit pixel instead of a dark one"},
      {"cmbDither", "Dithering:",
       "How lost color depth is spread: truncation, an 8 x 8 Bayer pattern or serpentine "
       "Floyd-Steinberg error diffusion"},
      {"cmbCode", "Code:",
       "One header with static data, or a .c file with the data and a .h file declaring it"},
      {"edtSection", "Linker section:", "Put the data into this linker section"},
      {"cmbAlign", "Alignment:", "Align the data to N bytes (lvgl9: also the rows)"},
      {"chkProgmem", "Program memory (PROGMEM)",
       "Put the data into program memory where the library reads it from there; off for calls "
       "that read RAM, such as u8g2's drawBitmap"},
  };
  auto* tab = window->findChild<QWidget*>("tabTarget");
  ASSERT_NE(tab, nullptr);
  for (const auto& c : controls) {
    auto* control = tab->findChild<QWidget*>(c.control);
    ASSERT_NE(control, nullptr) << c.control;
    EXPECT_EQ(control->toolTip(), c.hint) << c.control;
    if (auto* box = qobject_cast<QAbstractButton*>(control)) {
      EXPECT_EQ(box->text(), c.caption) << c.control;
      continue;
    }
    auto* label = tab->findChild<QLabel*>(QString("lbl") + QString(c.control).mid(3));
    ASSERT_NE(label, nullptr) << c.control;
    EXPECT_EQ(label->text(), c.caption) << c.control;
  }
  EXPECT_EQ(tab->findChild<QComboBox*>("cmbTarget")->itemText(0), "Classic");
  EXPECT_EQ(tab->findChild<QComboBox*>("cmbDither")->itemText(2), "floyd-steinberg");
}

TEST_F(SettingsWindowTest, TargetChoicesAreEnabledWhereTheTargetReadsThem) {
  ShowAndClick({"btnCancel"}, [&] {
    EXPECT_FALSE(Enabled("chkMask"));
    EXPECT_FALSE(window->findChild<QLabel*>("lblDither")->isEnabled());
    Choose(*window, "cmbTarget", "rgb565");
    EXPECT_TRUE(window->findChild<QLabel*>("lblDither")->isEnabled());
    EXPECT_FALSE(window->findChild<QWidget*>("cmbColorFormat")->isEnabled());
    // A mask goes with native values only.
    EXPECT_TRUE(Enabled("chkSwapBytes"));
    Click(*window, "chkMask");
    EXPECT_FALSE(Enabled("chkSwapBytes"));
    Choose(*window, "cmbTarget", "lvgl9");
    EXPECT_TRUE(window->findChild<QWidget*>("cmbColorFormat")->isEnabled());
    EXPECT_FALSE(window->findChild<QWidget*>("cmbCode")->isEnabled());
  });
  // Cancel put everything back, the controls included.
  EXPECT_EQ(target, TargetSettings());
  EXPECT_EQ(window->findChild<QComboBox*>("cmbTarget")->currentText(), "Classic");
  EXPECT_FALSE(Checked("chkMask"));
  EXPECT_FALSE(window->findChild<QWidget*>("cmbCode")->isEnabled());
}

TEST_F(SettingsWindowTest, OkEmptiesATargetsOutputOnlyForWhatShapesIt) {
  ShowAndClick({"btnOK"}, [&] { Choose(*window, "cmbTarget", "rgb565"); });
  EXPECT_EQ(target.target, TargetKind::Rgb565);
  EXPECT_EQ(outputClears, 1);
  ShowAndClick({"rdbColor256", "rdbBasicData", "btnOK"});  // the classic output's
  EXPECT_EQ(outputClears, 1);
  ShowAndClick({"chkSwapBytes", "btnOK"});
  EXPECT_EQ(outputClears, 2);
}

TEST_F(SettingsWindowTest, OkStaysOpenWhileABackgroundIsNotAColor) {
  target.target = TargetKind::Gray8;
  auto* background = window->findChild<QLineEdit*>("edtBackground");
  QTimer::singleShot(0, [&] {
    background->setFocus();
    QTest::keyClicks(background, "#ff");
    Click(*window, "btnOK");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "Background: expected a color RRGGBB (six hexadecimal digits), got '#ff'");
    EXPECT_EQ(messages.shown[0].title, "Preferences");
    QTest::keyClicks(background, "8000");
    Click(*window, "btnOK");
  });
  EXPECT_EQ(window->exec(), QDialog::Accepted);
  EXPECT_EQ(target.background, 0xFF8000u);
}

// Through the main window: its image mode, its output window and its summary labels.
class PreferencesCommandTest : public MainWindowTest {};

TEST_F(PreferencesCommandTest, OkWithANewOutputFormatEmptiesTheOutputWindow) {
  TFMain& w = Start();
  Open(WriteImage("sample.bmp", 8, 8));
  Press(Qt::Key_F5);
  ASSERT_FALSE(w.mmoDataOutput->IsEmpty());
  const auto okAfterClicking = [&](const char* name) {
    WhenShown(w.frmSettings, [&w, name] {
      Click(*w.frmSettings, name);
      Click(*w.frmSettings, "btnOK");
    });
    ClickButton("btnPreferences");
  };
  okAfterClicking("chkIncludeInfo");
  EXPECT_FALSE(w.mmoDataOutput->IsEmpty());
  okAfterClicking("rdbBasicData");
  EXPECT_TRUE(w.mmoDataOutput->IsEmpty());
  EXPECT_FALSE(w.Command("mnuCopy")->isEnabled());
  EXPECT_EQ(w.Label("lblOutputDataFormat")->text(), "Output data format: Basic data");
}

}  // namespace
}  // namespace pixmora

#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <fstream>
#include <sstream>

#include "image/TImgView32.h"
#include "settings/USettings.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/UAbout.h"

namespace pixmora {
namespace {

const char* const kImageCommands[] = {
    "mnuReload",       "mnuConvert",        "mnuMonochrome",     "mnuZoomIn",      "mnuZoomOut",
    "mnuOriginalSize", "mnuImageMode1",     "mnuImageMode2",     "mnuRotateRight", "mnuRotateLeft",
    "mnuFlipVertical", "mnuFlipHorizontal", "mnuResampleImage2", "mnuResizeImage", "mnuCropEnabled",
    "mnuSaveImage",    "mnuSaveImageAs"};
const char* const kOutputCommands[] = {"mnuExport", "mnuExportAs", "mnuCopy", "mnuClearOutput"};

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST_F(MainWindowTest, BeforeAnyImageOnlyTheFileIndependentCommandsWork) {
  TFMain& w = Start();
  EXPECT_EQ(w.windowTitle(), "Pixmora Image Converter 4.0");
  for (const char* name : {"mnuOpen", "mnuExit", "mnuToolBars", "mnuPreferences", "mnuAbout"}) {
    EXPECT_TRUE(Enabled(name)) << name;
  }
  for (const char* name : kImageCommands)
    EXPECT_FALSE(Enabled(name)) << name;
  for (const char* name : kOutputCommands)
    EXPECT_FALSE(Enabled(name)) << name;
  for (const char* name :
       {"mnuCropImage", "mnuPaletteMode1", "mnuNext", "mnuPrevious", "mnuRecentFiles"}) {
    EXPECT_FALSE(Enabled(name)) << name;
  }
  // The toolbar buttons are views of the same commands.
  const auto* open = w.findChild<QToolButton*>("btnOpen");
  ASSERT_NE(open, nullptr);
  EXPECT_EQ(open->defaultAction(), w.Command("mnuOpen"));
  EXPECT_EQ(open->text(), "Open");
  EXPECT_EQ(open->toolTip(), "Open image file");
  EXPECT_TRUE(w.findChild<QToolButton*>("btnPreferences")->isEnabled());
  EXPECT_FALSE(w.findChild<QToolButton*>("btnConvert")->isEnabled());
  EXPECT_TRUE(w.Command("mnuColorMode1")->isChecked());

  w.findChild<QMenu*>("mnuView")->popup(w.mapToGlobal(QPoint(0, 0)));
  EXPECT_FALSE(Enabled("mnuColorTable"));
  w.findChild<QMenu*>("mnuView")->close();
  w.findChild<QMenu*>("mnuFile")->popup(w.mapToGlobal(QPoint(0, 0)));
  EXPECT_FALSE(Enabled("mnuRecentFiles"));
  w.findChild<QMenu*>("mnuFile")->close();
}

TEST_F(MainWindowTest, ToolbarButtonsCarryTheirCaptionsAndHints) {
  TFMain& w = Start();
  const char* const buttons[][3] = {
      {"btnOpen", "Open", "Open image file"},
      {"btnSaveImage", "Save Image", "Save image"},
      {"btnExport", "Export", "Export output data to file"},
      {"btnCopy", "Copy", "Copy output data to clipboard"},
      {"btnReload", "Reload", "Reload image"},
      {"btnOiginal", "Original Size", "Restore image original zoom"},
      {"btnPreferences", "Settings", "Preferences"},
      {"btnConvert", "Convert", "Convert image to data table"},
      {"btnPrevious", "Previous", "View previous animation"},
      {"btnNext", "Next", "View next animation"},
      {"btnRotateRight", "Rotate Right", "Rotate image right"},
      {"btnRotateLeft", "Rotate Left", "Rotate image left"},
      {"btnFlipHorizontal", "Flip Horizontal", "Flip image horizontal"},
      {"btnFlipVertical", "Flip Vertical", "Flip image vertical"},
      {"btnResize", "Resize", "Resize image"},
      {"btnCropImage", "Crop Image", "Crop image"},
      {"mnuResampleImage2", "Resample Image", "Resample image to selected color depth"},
  };
  QStringList order;
  for (QAction* item : w.tlbMainToolbar->actions()) {
    QWidget* shown = w.tlbMainToolbar->widgetForAction(item);
    if (item->isSeparator())
      order << "-";
    else if (shown && !shown->objectName().isEmpty())
      order << shown->objectName();
  }
  EXPECT_EQ(order.mid(0, 23), QStringList({"btnOpen",
                                           "btnSaveImage",
                                           "btnExport",
                                           "-",
                                           "btnCopy",
                                           "-",
                                           "btnReload",
                                           "btnOiginal",
                                           "-",
                                           "btnPreferences",
                                           "-",
                                           "mnuImageMode2",
                                           "cmbMainTarget",
                                           "-",
                                           "btnConvert",
                                           "-",
                                           "btnPrevious",
                                           "btnNext",
                                           "-",
                                           "btnRotateRight",
                                           "btnRotateLeft",
                                           "-",
                                           "btnFlipHorizontal"}));
  for (const auto& [name, caption, hint] : buttons) {
    auto* button = w.tlbMainToolbar->findChild<QToolButton*>(name);
    ASSERT_NE(button, nullptr) << name;
    EXPECT_EQ(button->text(), caption) << name;
    EXPECT_EQ(button->toolTip(), hint) << name;
  }
  QStringList counts;
  for (QAction* count :
       w.tlbMainToolbar->findChild<QToolButton*>("mnuResampleImage2")->menu()->actions())
    counts << count->text() + (count->isChecked() ? " *" : "");
  EXPECT_EQ(counts, QStringList({"256 Colors *", "128 Colors", "64 Colors", "32 Colors",
                                 "16 Colors", "8 Colors"}));
  EXPECT_EQ(w.mnuImageMode2->currentText(), "Color");
  EXPECT_EQ(w.mnuImageMode2->count(), 3);
  EXPECT_EQ(w.mnuImageMode2->itemText(2), "Palette");
}

TEST_F(MainWindowTest, PanelsStatusBarAndSummaryLabelsCarryTheirCaptions) {
  TFMain& w = Start();
  EXPECT_EQ(w.tlbMenuToolbar->windowTitle(), "Menu");
  EXPECT_EQ(w.tlbMainToolbar->windowTitle(), "Main Toolbar");
  EXPECT_EQ(w.pnlStatistics->windowTitle(), "Statistics");
  EXPECT_EQ(w.pnlOutputPanel->windowTitle(), "Output Window");
  QStringList groups;
  for (auto* group : w.pnlStatistics->findChildren<QGroupBox*>())
    groups << group->title();
  EXPECT_EQ(groups, QStringList({" Image file information ", " Conversion mode ", " Preferences ",
                                 " Output data "}));
  const std::pair<const char*, const char*> captions[] = {
      {"lblName", "Name:"},
      {"lblSize", "Size:"},
      {"lblDimensions", "Dimensions:"},
      {"lblAnimations", "Animations:"},
      {"lblColors", "Colors:"},
      {"lblConvertMode", "Convert mode:"},
      {"lblOutputDataSize", "Output data size:"},
      {"lblColorTableSize", "Color table size:"},
      {"lblCompressionRatio", "Compression ratio:"},
      {"lblImageName", "Name:"},
      {"lblImageDimensions", "Dimensions:"},
      // The settings file has been read: the summary labels show a first start's choices.
      {"lblColorMode", "Color mode: 65536 (5-6-5)"},
      {"lblMonochromeMode", "Monochrome orientation: Vertical"},
      {"lblColorTableRepresentation", "Color table representation: Word"},
      {"lblPixelsPerByte", "Pixels per byte (palette mode): 1"},
      {"lblOutputDataFormat", "Output data format: C Array"},
      {"lblOutputDataRepresentation", "Output data representation: Byte"},
      {"lblCompression", "Compression: Off"},
  };
  for (const auto& [name, caption] : captions) {
    ASSERT_NE(w.Label(name), nullptr) << name;
    EXPECT_EQ(w.Label(name)->text(), caption) << name;
  }
  EXPECT_FALSE(w.Label("lblName")->isEnabled());
  EXPECT_TRUE(w.Label("lblCompression")->isEnabled());
  EXPECT_EQ(w.Label("lblImageZoom")->text().left(5), "Zoom:");
}

TEST_F(MainWindowTest, RecentFilesFollowTheListReadAtStart) {
  std::ofstream(settingsPath) << "[Recent]\r\nMRU1=/tmp/a.bmp\r\n";
  TFMain& w = Start();
  QMenu* file = w.findChild<QMenu*>("mnuFile");
  file->popup(w.mapToGlobal(QPoint(0, 0)));
  EXPECT_TRUE(Enabled("mnuRecentFiles"));
  file->close();
}

TEST_F(MainWindowTest, MenusCarryTheCaptionsShortcutsAndSeparators) {
  TFMain& w = Start();
  const std::pair<const char*, const char*> shortcuts[] = {
      {"mnuOpen", "Ctrl+O"}, {"mnuReload", "Ctrl+R"}, {"mnuCopy", "Ctrl+C"},   {"mnuConvert", "F5"},
      {"mnuAbout", "F1"},    {"mnuZoomIn", "PgUp"},   {"mnuZoomOut", "PgDown"}};
  for (const auto& [name, keys] : shortcuts) {
    EXPECT_EQ(w.Command(name)->shortcut().toString(), keys) << name;
  }
  // The captions as shown, without the mnemonics' marks.
  const auto items = [&](const char* menu) {
    QStringList captions;
    for (QAction* item : w.findChild<QMenu*>(menu)->actions())
      captions << (item->isSeparator() ? "-" : item->text().remove('&'));
    return captions;
  };
  EXPECT_EQ(items("mnuFile"),
            QStringList({"Open...", "Save Image...", "Save Image As...", "-", "Export Image",
                         "Export Image As...", "Export All Frames...", "-", "Reload", "-",
                         "Recent Files", "-", "Exit"}));
  EXPECT_EQ(items("mnuEdit"), QStringList({"Undo",
                                           "Redo",
                                           "-",
                                           "Copy",
                                           "-",
                                           "Copy Selection",
                                           "Find...",
                                           "Find Next",
                                           "Find Previous",
                                           "Go to Line...",
                                           "-",
                                           "Clear Output",
                                           "-",
                                           "Image Mode",
                                           "-",
                                           "Rotate Right",
                                           "Rotate Left",
                                           "-",
                                           "Flip Horizontal",
                                           "Flip Vertical",
                                           "-",
                                           "Monochrome Threshold...",
                                           "-",
                                           "Enable Image Crop",
                                           "Crop to...",
                                           "Crop Image",
                                           "-",
                                           "Resize Image...",
                                           "-",
                                           "Resample Image",
                                           "-",
                                           "Convert"}));
  EXPECT_EQ(
      items("mnuView"),
      QStringList({"Toolbars", "Toolbar Text", "-", "Zoom In", "Zoom Out", "Zoom In 1.25x",
                   "Zoom Out 1.25x", "Zoom to Fit", "Original Size", "-", "Previous Animation",
                   "Next Animation", "-", "Color Table", "-", "Display Preview",
                   "Preview Instead of Picture", "Differences", "Sizes..."}));
  EXPECT_EQ(items("mnuSettings"), QStringList({"Preferences..."}));
  EXPECT_EQ(items("mnuHelp"), QStringList({"About..."}));
  EXPECT_EQ(items("mnuImageMode1"), QStringList({"Color", "Monochrome", "Palette"}));
  EXPECT_EQ(items("mnuToolBars"), QStringList({"Main Toolbar", "Output Window", "Statistics"}));
  EXPECT_EQ(items("mnuRecentFiles"), QStringList({"-", "Clear History"}));
  QStringList popups;
  for (QMenu* popup : {w.pumToolbar, w.pumOutputWindow, w.pumCropResize}) {
    for (QAction* item : popup->actions())
      popups << (item->isSeparator() ? "-" : item->text().remove('&'));
  }
  EXPECT_EQ(popups,
            QStringList({"Main Toolbar", "Output Window", "Statistics", "Copy", "-", "Clear Output",
                         "-", "Copy Selection", "Find...", "Go to Line...", "Crop", "Resize"}));
  QStringList menus;
  for (QAction* menu : w.findChild<QMenuBar*>()->actions())
    menus << menu->text().remove('&');
  EXPECT_EQ(menus, QStringList({"File", "Edit", "View", "Settings", "Help"}));
}

TEST_F(MainWindowTest, LoadingAnImageEnablesTheImageCommandsAndWritesTheTexts) {
  TFMain& w = Start();
  const std::string path = WriteImage("picture.bmp", 30, 20);
  Open(path);
  for (const char* name : kImageCommands)
    EXPECT_TRUE(Enabled(name)) << name;
  EXPECT_FALSE(Enabled("mnuCropImage"));  // "Enable Image Crop" is unchecked
  EXPECT_FALSE(Enabled("mnuPaletteMode1"));
  EXPECT_FALSE(Enabled("mnuNext"));
  EXPECT_EQ(w.Label("lblDimensions")->text(), "Dimensions: 30 x 20");
  EXPECT_EQ(w.Label("lblImageDimensions")->text(), "Dimensions: 30 x 20");
  EXPECT_EQ(w.Label("lblName")->text(), "Name: picture.bmp");
  EXPECT_TRUE(w.Label("lblName")->isEnabled());
  EXPECT_EQ(w.Label("lblColors")->text(), "Colors: 16M");
  EXPECT_EQ(w.Label("lblConvertMode")->text(), "Convert mode: Color");
  EXPECT_EQ(w.mruList.Entries(), std::vector<std::string>{path});
  EXPECT_EQ(w.ImgView->BitmapSize(), QSize(30, 20));
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].dialog.filters.size(), 7u);
  EXPECT_EQ(dialogs.shown[0].dialog.filters[0].patterns, "*.bmp;*.jpg;*.jpeg;*.gif;*.ico;*.png");
  EXPECT_TRUE(dialogs.shown[0].dialog.picturePreview);

  w.Command("mnuCropEnabled")->setChecked(true);
  Open(path);
  EXPECT_TRUE(Enabled("mnuCropImage"));
  EXPECT_TRUE(w.ImgView->CropSelectionVisible());
  EXPECT_EQ(w.ImgView->CropSelection(), QRect(0, 0, 30, 20));
}

TEST_F(MainWindowTest, EachPanelToggleKeepsItsTwoCheckItemsInStep) {
  TFMain& w = Start();
  const std::pair<const char*, QWidget*> panels[] = {{"mnuMainToolbar", w.tlbMainToolbar},
                                                     {"mnuOutputWindow", w.pnlOutputPanel},
                                                     {"mnuStatistics", w.pnlStatistics}};
  // The popup items are views of the same check items.
  EXPECT_EQ(w.pumToolbar->actions(),
            QList<QAction*>({w.Command("mnuMainToolbar"), w.Command("mnuOutputWindow"),
                             w.Command("mnuStatistics")}));
  for (const auto& [name, panel] : panels) {
    ChooseMenuItem("mnuView", {"mnuToolBars", name});
    EXPECT_FALSE(w.Command(name)->isChecked()) << name;
    EXPECT_TRUE(panel->isHidden()) << name;
    ChooseMenuItem("mnuView", {"mnuToolBars", name});
    EXPECT_TRUE(w.Command(name)->isChecked()) << name;
    EXPECT_FALSE(panel->isHidden()) << name;
  }
  w.pnlStatistics->close();
  EXPECT_FALSE(w.Command("mnuStatistics")->isChecked());
  w.pnlOutputPanel->close();
  EXPECT_FALSE(w.Command("mnuOutputWindow")->isChecked());
  QTest::mouseClick(w.findChild<QToolButton*>("btnMainToolbarClose"), Qt::LeftButton);
  EXPECT_TRUE(w.tlbMainToolbar->isHidden());
  EXPECT_FALSE(w.Command("mnuMainToolbar")->isChecked());
  ChooseMenuItem("mnuView", {"mnuToolBars", "mnuMainToolbar"});
  EXPECT_FALSE(w.tlbMainToolbar->isHidden());
}

// 210 pixels wide, or as wide as the widest texts need in the desktop's font.
TEST_F(MainWindowTest, StatisticsPanelDocksRightAsWideAsItsTextsAndFloats360High) {
  TFMain& w = Start();
  EXPECT_EQ(w.dockWidgetArea(w.pnlStatistics), Qt::RightDockWidgetArea);
  const int width = std::max(210, w.pnlStatistics->minimumSizeHint().width());
  EXPECT_EQ(w.pnlStatistics->width(), width);
  EXPECT_FALSE(w.pnlStatistics->isAreaAllowed(Qt::BottomDockWidgetArea));
  w.pnlStatistics->setFloating(true);
  EXPECT_EQ(w.pnlStatistics->size(), QSize(width, 360));
  EXPECT_EQ(w.dockWidgetArea(w.pnlOutputPanel), Qt::BottomDockWidgetArea);
}

TEST_F(MainWindowTest, SummaryLabelClickOpensThePreferencesAtItsTab) {
  TFMain& w = Start();
  EXPECT_EQ(w.Label("lblColorMode")->cursor().shape(), Qt::PointingHandCursor);
  QString tab;
  QTimer::singleShot(0, [&] {
    tab = w.frmSettings->ActiveTab();
    w.frmSettings->reject();
  });
  ClickLabel(w.Label("lblCompression"));
  EXPECT_EQ(tab, "Common");
  QTimer::singleShot(0, [&] {
    tab = w.frmSettings->ActiveTab();
    w.frmSettings->reject();
  });
  ClickLabel(w.Label("lblPixelsPerByte"));
  EXPECT_EQ(tab, "Palette");
}

TEST_F(MainWindowTest, PreferencesCommandAppliesTheDesktopOptionsAfterwardsALabelClickDoesNot) {
  TFMain& w = Start();
  const std::size_t shellCalls = shell.calls.size();
  // Changed while the window is open, as the user would.
  QTimer::singleShot(0, [&] {
    w.frmSettings->findChild<QCheckBox*>("chkSystemEnableDragDrop")->click();
    w.frmSettings->accept();
  });
  ClickLabel(w.Label("lblColorMode"));
  EXPECT_FALSE(w.ImgView->DropEnabled());
  EXPECT_EQ(shell.calls.size(), shellCalls);
  WhenShown(w.frmSettings, [&] { w.frmSettings->reject(); });
  ClickButton("btnPreferences");
  EXPECT_TRUE(w.ImgView->DropEnabled());
  EXPECT_GT(shell.calls.size(), shellCalls);
}

TEST_F(MainWindowTest, LosingActivationClosesTheAboutBox) {
  TFMain& w = Start();
  w.frmAbout->show();
  QEvent deactivate(QEvent::ApplicationDeactivate);
  QApplication::sendEvent(qApp, &deactivate);
  EXPECT_FALSE(w.frmAbout->isVisible());
}

TEST_F(MainWindowTest, CloseQueryAsksOnlyAboutAnEditedImage) {
  TFMain& w = Start();
  ChooseMenuItem("mnuFile", {"mnuExit"});
  EXPECT_FALSE(w.isVisible());
  EXPECT_TRUE(messages.shown.empty());

  Start();
  window->Document.ImageChanged = true;
  messages.answers = {MessageResult::Cancel};
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Image has been changed.\nDo you want to save it?");
  EXPECT_EQ(messages.shown[0].title, "Image change");
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Question);
  EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNoCancel);

  messages.answers = {MessageResult::No};
  EXPECT_TRUE(window->close());
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(MainWindowTest, CloseQueryYesSavesOrClosesWithoutSavingWhenTheDialogIsCancelled) {
  Start();
  Open(WriteImage("a.bmp", 4, 4));
  window->Document.ImageChanged = true;
  messages.answers = {MessageResult::Yes};
  EXPECT_TRUE(window->close());  // the dialog answers cancel
  EXPECT_TRUE(window->Document.ImageChanged);

  Start();
  Open(WriteImage("b.bmp", 4, 4));
  window->Document.ImageChanged = true;
  const std::string saved = (folder / "saved.bmp").string();
  messages.answers = {MessageResult::Yes};
  dialogs.answers = {saved};
  EXPECT_TRUE(window->close());
  EXPECT_FALSE(window->Document.ImageChanged);
  EXPECT_EQ(dialogs.shown.back().dialog.title, "Save image as...");
  EXPECT_EQ(ReadFile(saved).substr(0, 2), "BM");
}

TEST_F(MainWindowTest, CloseQueryYesWithASaveThatFailsKeepsTheWindowAndTheEdit) {
  TFMain& w = Start();
  Open(WriteImage("a.bmp", 20, 10));
  ChooseMenuItem("mnuEdit", {"mnuCropEnabled"});
  w.ImgView->SetCropSelection(QRect(0, 0, 10, 10));
  ClickButton("btnCropImage");
  ASSERT_TRUE(w.Document.ImageChanged);
  const std::string unwritable = (folder / "missing" / "a.bmp").string();
  messages.answers = {MessageResult::Yes};
  dialogs.answers = {unwritable};
  ChooseMenuItem("mnuFile", {"mnuExit"});
  EXPECT_TRUE(w.isVisible());
  ASSERT_EQ(errors.messages.size(), 1u);
  EXPECT_EQ(errors.messages[0],
            "Cannot create file \"" + unwritable + "\". No such file or directory");
  EXPECT_TRUE(w.Document.ImageChanged);
  EXPECT_EQ(w.Document.WorkingImage.Width(), 10);
  EXPECT_FALSE(std::filesystem::exists(settingsPath));  // the program did not end

  // Asked again, the user saves elsewhere and the window closes.
  const std::string saved = (folder / "a-rotated.bmp").string();
  messages.answers = {MessageResult::Yes};
  dialogs.answers = {saved};
  EXPECT_TRUE(w.close());
  EXPECT_TRUE(std::filesystem::exists(saved));
}

TEST_F(MainWindowTest, SettingsAreWrittenAtCloseAndReadAtTheNextStart) {
  TFMain& first = Start();
  ChooseMenuItem("mnuView", {"mnuToolBars", "mnuStatistics"});
  first.Command("mnuCropEnabled")->setChecked(true);
  first.mruList.Add("/tmp/x.bmp");
  first.move(40, 30);
  first.resize(700, 500);
  first.showMaximized();
  QTest::qWait(50);
  EXPECT_TRUE(first.close());
  window.reset();
  const std::string ini = ReadFile(settingsPath);
  EXPECT_NE(ini.find("MRU1=/tmp/x.bmp"), std::string::npos);
  EXPECT_NE(ini.find("CropEnabled=1"), std::string::npos);
  EXPECT_NE(ini.find("[Statistics]\r\nVisible=0"), std::string::npos);
  EXPECT_NE(ini.find("State=2"), std::string::npos);

  TFMain& second = Start();
  QTest::qWait(50);
  EXPECT_TRUE(second.isMaximized());
  EXPECT_TRUE(second.pnlStatistics->isHidden());
  EXPECT_FALSE(second.Command("mnuStatistics")->isChecked());
  EXPECT_TRUE(second.Command("mnuCropEnabled")->isChecked());
  EXPECT_EQ(second.mruList.Entries(), std::vector<std::string>{"/tmp/x.bmp"});
}

TEST_F(MainWindowTest, AnUnwritableSettingsFileIsReportedAndTheProgramStillEnds) {
  // Root ignores a read-only folder, so the file's place is taken by a folder as well.
  std::filesystem::create_directory(settingsPath);
  std::filesystem::permissions(
      folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  TFMain& w = Start();
  EXPECT_TRUE(w.close());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Can't write to \"Pixmora_Convert.ini\" file");
  EXPECT_EQ(messages.shown[0].title, "I/O Error");
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Error);
  window.reset();
  ASSERT_EQ(errors.messages.size(), 1u);
  EXPECT_EQ(errors.messages[0], "Unable to write to " + settingsPath);
}

}  // namespace
}  // namespace pixmora

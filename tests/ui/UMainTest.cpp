#include <QCheckBox>
#include <QDockWidget>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
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
  QStringList file;
  for (QAction* item : w.findChild<QMenu*>("mnuFile")->actions()) {
    file << (item->isSeparator() ? "-" : item->text());
  }
  EXPECT_EQ(file,
            QStringList({"Open...", "Save Image...", "Save Image As...", "-", "Export Image",
                         "Export Image As...", "-", "Reload", "-", "Recent Files", "-", "Exit"}));
  QStringList menus;
  for (QAction* menu : w.findChild<QMenuBar*>()->actions())
    menus << menu->text();
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
    w.Command(name)->trigger();
    EXPECT_FALSE(w.Command(name)->isChecked()) << name;
    EXPECT_TRUE(panel->isHidden()) << name;
    w.Command(name)->trigger();
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
  w.Command("mnuMainToolbar")->trigger();
  EXPECT_FALSE(w.tlbMainToolbar->isHidden());
}

TEST_F(MainWindowTest, StatisticsPanelDocksRightAt210PixelsAndFloatsAt210By360) {
  TFMain& w = Start();
  EXPECT_EQ(w.dockWidgetArea(w.pnlStatistics), Qt::RightDockWidgetArea);
  EXPECT_EQ(w.pnlStatistics->width(), 210);
  EXPECT_FALSE(w.pnlStatistics->isAreaAllowed(Qt::BottomDockWidgetArea));
  w.pnlStatistics->setFloating(true);
  EXPECT_EQ(w.pnlStatistics->size(), QSize(210, 360));
  EXPECT_EQ(w.dockWidgetArea(w.pnlOutputPanel), Qt::BottomDockWidgetArea);
}

// Sent to the label itself: the panel may be too short to show every label on the screen.
void Click(QWidget* label) {
  const QPointF at(2, 2);
  QMouseEvent press(QEvent::MouseButtonPress, at, label->mapToGlobal(at), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, at, label->mapToGlobal(at), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(label, &press);
  QApplication::sendEvent(label, &release);
}

TEST_F(MainWindowTest, SummaryLabelClickOpensThePreferencesAtItsTab) {
  TFMain& w = Start();
  EXPECT_EQ(w.Label("lblColorMode")->cursor().shape(), Qt::PointingHandCursor);
  QString tab;
  QTimer::singleShot(0, [&] {
    tab = w.frmSettings->ActiveTab();
    w.frmSettings->reject();
  });
  Click(w.Label("lblCompression"));
  EXPECT_EQ(tab, "Common");
  QTimer::singleShot(0, [&] {
    tab = w.frmSettings->ActiveTab();
    w.frmSettings->reject();
  });
  Click(w.Label("lblPixelsPerByte"));
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
  Click(w.Label("lblColorMode"));
  EXPECT_FALSE(w.ImgView->DropEnabled());
  EXPECT_EQ(shell.calls.size(), shellCalls);
  QTimer::singleShot(0, [&] { w.frmSettings->reject(); });
  w.Command("mnuPreferences")->trigger();
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
  EXPECT_TRUE(w.close());
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

TEST_F(MainWindowTest, SettingsAreWrittenAtCloseAndReadAtTheNextStart) {
  TFMain& first = Start();
  first.Command("mnuStatistics")->trigger();
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

// The command table of the main window: one action per command, and the menus, the toolbar
// and the popups as views of those actions.
#include <QActionGroup>
#include <QComboBox>
#include <QDockWidget>
#include <QMenu>
#include <QMenuBar>
#include <QStandardItemModel>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <map>

#include "image/TImgView32.h"
#include "ui/TMemo.h"
#include "ui/UCommandIcons.h"
#include "ui/UMain.h"

namespace pixmora {

namespace {

struct CommandEntry {
  const char* name;
  const char* caption;
  const char* shortcut;  // nullptr: none
  bool enabled;          // at start
};

// Every command of the menus, in menu order.
constexpr CommandEntry kCommands[] = {
    {"mnuOpen", "&Open...", "Ctrl+O", true},
    {"mnuSaveImage", "&Save Image...", "Ctrl+S", false},
    {"mnuSaveImageAs", "Save Image &As...", "Ctrl+Shift+S", false},
    {"mnuExport", "&Export Image", "Ctrl+E", false},
    {"mnuExportAs", "Expor&t Image As...", "Ctrl+Shift+E", false},
    {"mnuExportFrames", "Export A&ll Frames...", nullptr, false},
    {"mnuReload", "&Reload", "Ctrl+R", false},
    {"mnuClearHistory", "&Clear History", nullptr, true},
    {"mnuExit", "E&xit", "Ctrl+Q", true},
    {"mnuUndo", "&Undo", "Ctrl+Z", false},
    {"mnuRedo", "&Redo", "Ctrl+Shift+Z", false},
    {"mnuCopy", "&Copy", "Ctrl+C", false},
    {"mnuCopySelection", "Cop&y Selection", "Ctrl+Shift+C", false},
    {"mnuFind", "&Find...", "Ctrl+F", false},
    {"mnuFindNext", "Find Ne&xt", "F3", false},
    {"mnuFindPrevious", "Fin&d Previous", "Shift+F3", false},
    {"mnuGoToLine", "&Go to Line...", "Ctrl+G", false},
    {"mnuClearOutput", "Clear &Output", nullptr, false},
    {"mnuColorMode1", "&Color", nullptr, true},
    {"mnuMonochromeMode1", "&Monochrome", nullptr, true},
    {"mnuPaletteMode1", "&Palette", nullptr, false},
    {"mnuRotateRight", "Rotate R&ight", nullptr, false},
    {"mnuRotateLeft", "Rotate &Left", nullptr, false},
    {"mnuFlipHorizontal", "Flip &Horizontal", nullptr, false},
    {"mnuFlipVertical", "Flip &Vertical", nullptr, false},
    {"mnuMonochrome", "Monochrome &Threshold...", nullptr, false},
    {"mnuCropEnabled", "Ena&ble Image Crop", nullptr, false},
    {"mnuCropImage", "Crop Im&age", nullptr, false},
    {"mnuCropTo", "Cro&p to...", nullptr, false},
    {"mnuResizeImage", "Re&size Image...", nullptr, false},
    {"mnuConvert", "Co&nvert", "F5", false},
    {"mnuMainToolbar", "&Main Toolbar", nullptr, true},
    {"mnuOutputWindow", "&Output Window", nullptr, true},
    {"mnuStatistics", "&Statistics", nullptr, true},
    {"mnuZoomIn", "Zoom &In", nullptr, false},
    {"mnuZoomOut", "Zoom &Out", nullptr, false},
    {"mnuZoomInFactor", "Zoom In 1.&25x", "Ctrl++", false},
    {"mnuZoomOutFactor", "Zoom Out 1.2&5x", "Ctrl+-", false},
    {"mnuOriginalSize", "Origin&al Size", "Ctrl+0", false},
    {"mnuZoomToFit", "Zoom to &Fit", nullptr, false},
    {"mnuPrevious", "&Previous Animation", "Alt+Left", false},
    {"mnuNext", "&Next Animation", "Alt+Right", false},
    {"mnuColorTable", "&Color Table", nullptr, true},
    {"mnuPreferences", "&Preferences...", nullptr, true},
    {"mnuAbout", "&About...", "F1", true},
    {"mnuResampleImage2", "&Resample Image", nullptr, false},
    {"mnuToolbarIconsOnly", "&Icons Only", nullptr, true},
    {"mnuToolbarTextBeside", "Text &Beside Icons", nullptr, true},
    {"mnuToolbarTextUnder", "Text &Under Icons", nullptr, true},
    {"pmnCrop", "Crop", nullptr, false},
    {"pmnResize", "Resize", nullptr, false},
};

// A menu as item names; "-" is a separator, ">name" a submenu built apart.
struct MenuSpec {
  const char* name;
  const char* caption;
  std::vector<const char*> items;
};

const MenuSpec kMenus[] = {
    {"mnuFile",
     "&File",
     {"mnuOpen", "mnuSaveImage", "mnuSaveImageAs", "-", "mnuExport", "mnuExportAs",
      "mnuExportFrames", "-", "mnuReload", "-", ">mnuRecentFiles", "-", "mnuExit"}},
    {"mnuEdit",
     "&Edit",
     {"mnuUndo",
      "mnuRedo",
      "-",
      "mnuCopy",
      "-",
      "mnuCopySelection",
      "mnuFind",
      "mnuFindNext",
      "mnuFindPrevious",
      "mnuGoToLine",
      "-",
      "mnuClearOutput",
      "-",
      ">mnuImageMode1",
      "-",
      "mnuRotateRight",
      "mnuRotateLeft",
      "-",
      "mnuFlipHorizontal",
      "mnuFlipVertical",
      "-",
      "mnuMonochrome",
      "-",
      "mnuCropEnabled",
      "mnuCropTo",
      "mnuCropImage",
      "-",
      "mnuResizeImage",
      "-",
      ">mnuResampleImage1",
      "-",
      "mnuConvert"}},
    {"mnuView",
     "&View",
     {">mnuToolBars", ">mnuToolbarText", "-", "mnuZoomIn", "mnuZoomOut", "mnuZoomInFactor",
      "mnuZoomOutFactor", "mnuZoomToFit", "mnuOriginalSize", "-", "mnuPrevious", "mnuNext", "-",
      "mnuColorTable"}},
    {"mnuSettings", "&Settings", {"mnuPreferences"}},
    {"mnuHelp", "&Help", {"mnuAbout"}},
};

struct SubmenuSpec {
  const char* name;
  const char* caption;
  bool enabled;
  std::vector<const char*> items;
};

const SubmenuSpec kSubmenus[] = {
    {"mnuRecentFiles", "Recent &Files", false, {"-", "mnuClearHistory"}},
    {"mnuImageMode1",
     "Image &Mode",
     false,
     {"mnuColorMode1", "mnuMonochromeMode1", "mnuPaletteMode1"}},
    {"mnuToolBars", "&Toolbars", true, {"mnuMainToolbar", "mnuOutputWindow", "mnuStatistics"}},
    {"mnuToolbarText",
     "Toolbar Te&xt",
     true,
     {"mnuToolbarIconsOnly", "mnuToolbarTextBeside", "mnuToolbarTextUnder"}},
    {"mnuResampleImage1",
     "R&esample Image",
     false,
     {"mnuResampleImage2", "-", "btn256Colors", "btn128Colors", "btn64Colors", "btn32Colors",
      "btn16Colors", "btn8Colors"}},
};

struct ButtonSpec {
  const char* name;  // "-" a separator, "mnuImageMode2" and "cmbMainTarget" the drop-downs
  const char* command;
  const char* caption;
  const char* hint;
};

const ButtonSpec kButtons[] = {
    {"btnOpen", "mnuOpen", "Open", "Open image file"},
    {"btnSaveImage", "mnuSaveImage", "Save Image", "Save image"},
    {"btnExport", "mnuExport", "Export", "Export output data to file"},
    {"-", nullptr, nullptr, nullptr},
    {"btnCopy", "mnuCopy", "Copy", "Copy output data to clipboard"},
    {"-", nullptr, nullptr, nullptr},
    {"btnReload", "mnuReload", "Reload", "Reload image"},
    {"btnOiginal", "mnuOriginalSize", "Original Size", "Restore image original zoom"},
    {"-", nullptr, nullptr, nullptr},
    {"btnPreferences", "mnuPreferences", "Settings", "Preferences"},
    {"-", nullptr, nullptr, nullptr},
    {"mnuImageMode2", nullptr, "Image Mode", nullptr},
    {"cmbMainTarget", nullptr, "Target", nullptr},
    {"-", nullptr, nullptr, nullptr},
    {"btnConvert", "mnuConvert", "Convert", "Convert image to data table"},
    {"-", nullptr, nullptr, nullptr},
    {"btnPrevious", "mnuPrevious", "Previous", "View previous animation"},
    {"btnNext", "mnuNext", "Next", "View next animation"},
    {"-", nullptr, nullptr, nullptr},
    {"btnRotateRight", "mnuRotateRight", "Rotate Right", "Rotate image right"},
    {"btnRotateLeft", "mnuRotateLeft", "Rotate Left", "Rotate image left"},
    {"-", nullptr, nullptr, nullptr},
    {"btnFlipHorizontal", "mnuFlipHorizontal", "Flip Horizontal", "Flip image horizontal"},
    {"btnFlipVertical", "mnuFlipVertical", "Flip Vertical", "Flip image vertical"},
    {"-", nullptr, nullptr, nullptr},
    // Resize, crop and resample side by side, so that the display preview's toggle fits too.
    {"btnResize", "mnuResizeImage", "Resize", "Resize image"},
    {"btnCropImage", "mnuCropImage", "Crop Image", "Crop image"},
    {"mnuResampleImage2", "mnuResampleImage2", "Resample Image",
     "Resample image to selected color depth"},
};

constexpr const char* kResampleColors[][2] = {
    {"btn256Colors", "256 Colors"}, {"btn128Colors", "128 Colors"}, {"btn64Colors", "64 Colors"},
    {"btn32Colors", "32 Colors"},   {"btn16Colors", "16 Colors"},   {"btn8Colors", "8 Colors"},
};

constexpr int kHintDuration = 60000;

}  // namespace

void TFMain::CreateCommands() {
  for (const CommandEntry& entry : kCommands) {
    auto* action = new QAction(entry.caption, this);
    action->setObjectName(entry.name);
    action->setEnabled(entry.enabled);
    if (entry.shortcut)
      action->setShortcut(QKeySequence(entry.shortcut));
    // The shortcuts work wherever the focus is in the window, as the menu bar's would.
    addAction(action);
  }
  for (const char* name : {"mnuMainToolbar", "mnuOutputWindow", "mnuStatistics"}) {
    Command(name)->setCheckable(true);
    Command(name)->setChecked(true);
  }
  Command("mnuCropEnabled")->setCheckable(true);
  Command("mnuZoomIn")->setShortcut(QKeySequence(Qt::Key_PageUp));
  Command("mnuZoomOut")->setShortcut(QKeySequence(Qt::Key_PageDown));
  // The first key of each is the one the menu shows; the others are where keyboards differ.
  Command("mnuRedo")->setShortcuts({QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")});
  Command("mnuZoomInFactor")->setShortcuts({QKeySequence("Ctrl++"), QKeySequence("Ctrl+=")});
  imageModes_ = new QActionGroup(this);
  for (const char* name : {"mnuColorMode1", "mnuMonochromeMode1", "mnuPaletteMode1"}) {
    Command(name)->setCheckable(true);
    imageModes_->addAction(Command(name));
  }
  Command("mnuColorMode1")->setChecked(true);
  resampleColors_ = new QActionGroup(this);
  for (const auto& [name, caption] : kResampleColors) {
    auto* action = new QAction(caption, resampleColors_);
    action->setObjectName(name);
    action->setCheckable(true);
  }
  resampleColors_->actions().front()->setChecked(true);
  GiveCommandIcons([this](const char* name) { return Command(name); });
}

void TFMain::CreateMenus() {
  std::map<std::string, QMenu*> submenus;
  for (const SubmenuSpec& entry : kSubmenus) {
    auto* menu = new QMenu(entry.caption, this);
    menu->setObjectName(entry.name);
    menu->menuAction()->setObjectName(entry.name);
    menu->menuAction()->setEnabled(entry.enabled);
    for (const char* item : entry.items) {
      if (std::string_view(item) == "-") {
        menu->addSeparator();
      } else {
        menu->addAction(Command(item));
      }
    }
    submenus[entry.name] = menu;
  }
  auto* bar = new QMenuBar(this);
  bar->setObjectName("mnuMainMenu");
  for (const MenuSpec& entry : kMenus) {
    QMenu* menu = bar->addMenu(entry.caption);
    menu->setObjectName(entry.name);
    for (const char* item : entry.items) {
      const std::string_view name(item);
      if (name == "-") {
        menu->addSeparator();
      } else if (name.front() == '>') {
        menu->addMenu(submenus.at(std::string(name.substr(1))));
      } else {
        menu->addAction(Command(item));
      }
    }
  }
  connect(findChild<QMenu*>("mnuFile"), &QMenu::aboutToShow, this, &TFMain::mnuFileClick);
  connect(findChild<QMenu*>("mnuView"), &QMenu::aboutToShow, this, &TFMain::mnuViewClick);
  // The menu bar sits in a toolbar of its own, dockable at the top, left or right.
  tlbMenuToolbar = new QToolBar("Menu", this);
  tlbMenuToolbar->setObjectName("tlbMenuToolbar");
  tlbMenuToolbar->setAllowedAreas(Qt::TopToolBarArea | Qt::LeftToolBarArea | Qt::RightToolBarArea);
  tlbMenuToolbar->addWidget(bar);
  tlbMenuToolbar->toggleViewAction()->setVisible(false);
  addToolBar(Qt::TopToolBarArea, tlbMenuToolbar);
  addToolBarBreak(Qt::TopToolBarArea);
}

void TFMain::CreateToolbar() {
  tlbMainToolbar = new QToolBar("Main Toolbar", this);
  tlbMainToolbar->setObjectName("tlbMainToolbar");
  tlbMainToolbar->setAllowedAreas(Qt::TopToolBarArea | Qt::LeftToolBarArea | Qt::RightToolBarArea);
  // Icons alone keep every command in one row at 800 pixels; the View menu adds the text.
  tlbMainToolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  tlbMainToolbar->setIconSize(QSize(18, 18));
  for (const ButtonSpec& entry : kButtons) {
    const std::string_view name(entry.name);
    if (name == "-") {
      tlbMainToolbar->addSeparator();
    } else if (name == "mnuImageMode2") {
      mnuImageMode2 = new QComboBox(tlbMainToolbar);
      mnuImageMode2->setObjectName(entry.name);
      mnuImageMode2->setFixedWidth(100);
      // Each entry can be chosen exactly when its menu item can.
      auto* entries = qobject_cast<QStandardItemModel*>(mnuImageMode2->model());
      for (QAction* mode : imageModes_->actions()) {
        mnuImageMode2->addItem(mode->iconText());
        QStandardItem* item = entries->item(mnuImageMode2->count() - 1);
        item->setEnabled(mode->isEnabled());
        connect(mode, &QAction::changed, this,
                [mode, item] { item->setEnabled(mode->isEnabled()); });
      }
      QAction* holder = tlbMainToolbar->addWidget(mnuImageMode2);
      holder->setObjectName(entry.name);
      holder->setEnabled(false);
      connect(mnuImageMode2, &QComboBox::activated, this,
              [this](int index) { imageModes_->actions().at(index)->trigger(); });
    } else if (name == "cmbMainTarget") {
      CreateTargetList();
    } else {
      QAction* action = Command(entry.command);
      action->setIconText(entry.caption);
      action->setToolTip(entry.hint);
      tlbMainToolbar->addAction(action);
      auto* button = qobject_cast<QToolButton*>(tlbMainToolbar->widgetForAction(action));
      button->setObjectName(entry.name);
      button->setToolTipDuration(kHintDuration);
      if (name == "mnuResampleImage2") {
        auto* colors = new QMenu(button);
        colors->addActions(resampleColors_->actions());
        button->setMenu(colors);
        button->setPopupMode(QToolButton::MenuButtonPopup);
      }
    }
  }
  // Without the handle for moving it, every command fits in the smallest window.
  tlbMainToolbar->setMovable(false);
  // A toolbar has no close button of its own; this one sits at its far end.
  auto* spacer = new QWidget(tlbMainToolbar);
  spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  tlbMainToolbar->addWidget(spacer);
  auto* close = new QToolButton(tlbMainToolbar);
  close->setObjectName("btnMainToolbarClose");
  close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
  close->setAutoRaise(true);
  connect(close, &QToolButton::clicked, this, &TFMain::tlbMainToolbarClose);
  tlbMainToolbar->addWidget(close);
  addToolBar(Qt::TopToolBarArea, tlbMainToolbar);
}

void TFMain::CreatePopups() {
  pumToolbar = new QMenu(this);
  pumToolbar->setObjectName("pumToolbar");
  pumToolbar->addActions(
      {Command("mnuMainToolbar"), Command("mnuOutputWindow"), Command("mnuStatistics")});
  for (QToolBar* bar : {tlbMenuToolbar, tlbMainToolbar}) {
    bar->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(bar, &QWidget::customContextMenuRequested, this,
            [this, bar](const QPoint& at) { pumToolbar->exec(bar->mapToGlobal(at)); });
  }
  pumOutputWindow = new QMenu(this);
  pumOutputWindow->setObjectName("pumOutputWindow");
  pumOutputWindow->addAction(Command("mnuCopy"));
  pumOutputWindow->addSeparator();
  pumOutputWindow->addAction(Command("mnuClearOutput"));
  pumOutputWindow->addSeparator();
  pumOutputWindow->addActions(
      {Command("mnuCopySelection"), Command("mnuFind"), Command("mnuGoToLine")});
  mmoDataOutput->SetPopupMenu(pumOutputWindow);
  pumCropResize = new QMenu(this);
  pumCropResize->setObjectName("pumCropResize");
  pumCropResize->addActions({Command("pmnCrop"), Command("pmnResize")});
  connect(pumCropResize, &QMenu::aboutToShow, this, [this] {
    Command("pmnCrop")->setEnabled(Command("mnuCropImage")->isEnabled());
    Command("pmnResize")->setEnabled(Command("mnuResizeImage")->isEnabled());
  });
  connect(Command("pmnCrop"), &QAction::triggered, Command("mnuCropImage"), &QAction::trigger);
  connect(Command("pmnResize"), &QAction::triggered, Command("mnuResizeImage"), &QAction::trigger);
  ImgView->SetPopupMenu(pumCropResize);
}

void TFMain::ConnectCommands() {
  // The edits of the picture can be undone.
  struct Handler {
    const char* name;
    void (TFMain::*run)();
    bool edit;
  };
  const Handler handlers[] = {
      {"mnuOpen", &TFMain::mnuOpenClick, false},
      {"mnuReload", &TFMain::mnuReloadClick, false},
      {"mnuSaveImage", &TFMain::mnuSaveImageClick, false},
      {"mnuSaveImageAs", &TFMain::mnuSaveImageAsClick, false},
      {"mnuUndo", &TFMain::mnuUndoClick, false},
      {"mnuRedo", &TFMain::mnuRedoClick, false},
      {"mnuCopy", &TFMain::mnuCopyClick, false},
      {"mnuCopySelection", &TFMain::mnuCopySelectionClick, false},
      {"mnuFind", &TFMain::mnuFindClick, false},
      {"mnuFindNext", &TFMain::mnuFindNextClick, false},
      {"mnuFindPrevious", &TFMain::mnuFindPreviousClick, false},
      {"mnuGoToLine", &TFMain::mnuGoToLineClick, false},
      {"mnuExport", &TFMain::mnuExportClick, false},
      {"mnuExportAs", &TFMain::mnuExportAsClick, false},
      {"mnuExportFrames", &TFMain::mnuExportFramesClick, false},
      {"mnuClearOutput", &TFMain::mnuClearOutputClick, false},
      {"mnuConvert", &TFMain::mnuConvertClick, false},
      {"mnuZoomIn", &TFMain::mnuZoomInClick, false},
      {"mnuZoomOut", &TFMain::mnuZoomOutClick, false},
      {"mnuZoomInFactor", &TFMain::mnuZoomInFactorClick, false},
      {"mnuZoomOutFactor", &TFMain::mnuZoomOutFactorClick, false},
      {"mnuZoomToFit", &TFMain::mnuZoomToFitClick, false},
      {"mnuOriginalSize", &TFMain::mnuOriginalSizeClick, false},
      {"mnuPrevious", &TFMain::mnuPreviousClick, true},
      {"mnuNext", &TFMain::mnuNextClick, true},
      {"mnuColorTable", &TFMain::mnuColorTableClick, false},
      {"mnuPreferences", &TFMain::mnuPreferencesClick, false},
      {"mnuAbout", &TFMain::mnuAboutClick, false},
      {"mnuRotateRight", &TFMain::mnuRotateRightClick, true},
      {"mnuRotateLeft", &TFMain::mnuRotateLeftClick, true},
      {"mnuFlipHorizontal", &TFMain::mnuFlipHorizontalClick, true},
      {"mnuFlipVertical", &TFMain::mnuFlipVerticalClick, true},
      {"mnuCropEnabled", &TFMain::mnuCropEnabledClick, false},
      {"mnuCropImage", &TFMain::mnuCropImageClick, true},
      {"mnuResizeImage", &TFMain::mnuResizeImageClick, true},
      {"mnuCropTo", &TFMain::mnuCropToClick, true},
      {"mnuMonochrome", &TFMain::mnuMonochromeClick, true},
      {"mnuResampleImage2", &TFMain::mnuResampleImage2Click, true},
  };
  for (const Handler& handler : handlers) {
    connect(Command(handler.name), &QAction::triggered, this, [this, handler] {
      // A command held until another has ended runs only if it can still be chosen then.
      RunCommand(handler.name, [this, handler] {
        if (!Command(handler.name)->isEnabled())
          return;
        if (handler.edit)
          RecordEdit([this, handler] { (this->*handler.run)(); });
        else
          (this->*handler.run)();
      });
    });
  }
  connect(Command("mnuExit"), &QAction::triggered, this, &QWidget::close);
  const std::pair<const char*, ImageMode> modes[] = {{"mnuColorMode1", ImageMode::Color},
                                                     {"mnuMonochromeMode1", ImageMode::Monochrome},
                                                     {"mnuPaletteMode1", ImageMode::Palette}};
  for (const auto& [name, mode] : modes) {
    connect(Command(name), &QAction::triggered, this, [this, mode = mode] {
      RunCommand("SwitchMode", [this, mode] { RecordEdit([this, mode] { SwitchMode(mode); }); });
    });
  }
  // Panel toggles: the check item flips itself; the panel follows and so does its popup view.
  const std::pair<const char*, QWidget*> panels[] = {{"mnuMainToolbar", tlbMainToolbar},
                                                     {"mnuOutputWindow", pnlOutputPanel},
                                                     {"mnuStatistics", pnlStatistics}};
  for (const auto& [name, panel] : panels) {
    connect(Command(name), &QAction::triggered, panel, &QWidget::setVisible);
  }
}

void TFMain::RunCommand(const std::string& name, std::function<void()> command) {
  commands_.Run(name, [this, command = std::move(command)] {
    command();
    ShowEditState();
  });
}

QAction* TFMain::Command(const char* name) const {
  return actions_.Find(name);
}

}  // namespace pixmora

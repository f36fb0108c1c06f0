// The view the user arranged and the settings file keeps: the dialogs' folder, the output
// window's height and the toolbar's text.
#include <QAction>
#include <QActionGroup>
#include <QDockWidget>
#include <QToolBar>

#include "ui/UMain.h"

namespace pixmora {

namespace {

// The output window opens with a third of the window when the settings name no height.
constexpr int kOutputShareOfWindow = 3;

const std::pair<const char*, ViewSettings::ToolbarText> kToolbarTexts[] = {
    {"mnuToolbarIconsOnly", ViewSettings::ToolbarText::IconsOnly},
    {"mnuToolbarTextBeside", ViewSettings::ToolbarText::Beside},
    {"mnuToolbarTextUnder", ViewSettings::ToolbarText::Under},
};

Qt::ToolButtonStyle StyleOf(ViewSettings::ToolbarText text) {
  switch (text) {
    case ViewSettings::ToolbarText::Beside:
      return Qt::ToolButtonTextBesideIcon;
    case ViewSettings::ToolbarText::Under:
      return Qt::ToolButtonTextUnderIcon;
    case ViewSettings::ToolbarText::IconsOnly:
      break;
  }
  return Qt::ToolButtonIconOnly;
}

}  // namespace

void TFMain::CreateToolbarTextChoice() {
  auto* group = new QActionGroup(this);
  for (const auto& [name, text] : kToolbarTexts) {
    QAction* choice = Command(name);
    choice->setCheckable(true);
    group->addAction(choice);
    connect(choice, &QAction::triggered, this,
            [this, text = text] { tlbMainToolbar->setToolButtonStyle(StyleOf(text)); });
  }
  Command("mnuToolbarIconsOnly")->setChecked(true);
}

ViewSettings TFMain::View() const {
  ViewSettings view;
  view.lastFolder = dialogs_.Folder();
  if (!pnlOutputPanel->isFloating() && !pnlOutputPanel->isHidden() &&
      dockWidgetArea(pnlOutputPanel) == Qt::BottomDockWidgetArea) {
    view.outputPanelHeight = pnlOutputPanel->height();
  }
  for (const auto& [name, text] : kToolbarTexts) {
    if (Command(name)->isChecked())
      view.toolbarText = text;
  }
  return view;
}

void TFMain::SetView(const ViewSettings& view) {
  dialogs_.SetFolder(view.lastFolder);
  outputPanelHeight_ = view.outputPanelHeight;
  for (const auto& [name, text] : kToolbarTexts) {
    if (text == view.toolbarText)
      Command(name)->setChecked(true);
  }
  tlbMainToolbar->setToolButtonStyle(StyleOf(view.toolbarText));
}

void TFMain::ApplyOutputPanelHeight() {
  const int height =
      outputPanelHeight_ > 0 ? outputPanelHeight_ : this->height() / kOutputShareOfWindow;
  resizeDocks({pnlOutputPanel}, {height}, Qt::Vertical);
  // A window opened maximised learns its size from the window system later.
  const bool enlarged = windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen);
  outputShareFromHeight_ = outputPanelHeight_ == 0 && enlarged ? this->height() : 0;
}

void TFMain::ApplyPendingOutputShare() {
  if (outputShareFromHeight_ == 0 || height() <= outputShareFromHeight_)
    return;
  outputShareFromHeight_ = 0;
  resizeDocks({pnlOutputPanel}, {height() / kOutputShareOfWindow}, Qt::Vertical);
}

}  // namespace pixmora

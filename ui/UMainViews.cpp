// The main window as the view of the image document and as the windows the settings file
// reads and writes.
#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>

#include "image/TImgView32.h"
#include "image/UMonochrome.h"
#include "image/UResize.h"
#include "image/Zoom.h"
#include "platform/qt/Cp1252.h"
#include "ui/TMemo.h"
#include "ui/UMain.h"
#include "ui/UPalette.h"

namespace pixmora {

std::optional<std::string> TFMain::AskSaveImageName() {
  if (!dialogs_.Execute(dlgSaveImage))
    return std::nullopt;
  return dlgSaveImage.fileName;
}

std::optional<std::string> TFMain::AskOpenImageName() {
  dlgOpenColor.fileName = Document.CurrentFileName;
  if (!dialogs_.Execute(dlgOpenColor))
    return std::nullopt;
  return dlgOpenColor.fileName;
}

void TFMain::EnableImageCommands() {
  for (const char* name :
       {"mnuReload",         "mnuConvert",      "mnuMonochrome",     "mnuZoomIn",
        "mnuZoomOut",        "mnuOriginalSize", "mnuImageMode1",     "mnuImageMode2",
        "mnuRotateRight",    "mnuRotateLeft",   "mnuFlipVertical",   "mnuFlipHorizontal",
        "mnuResampleImage2", "mnuResizeImage",  "mnuCropEnabled",    "mnuZoomInFactor",
        "mnuZoomOutFactor",  "mnuZoomToFit",    "mnuResampleImage1", "mnuCropTo"}) {
    Command(name)->setEnabled(true);
  }
  // Only a picture read anew comes here: its edits start a history of their own.
  history_.Clear();
  if (Command("mnuCropEnabled")->isChecked()) {
    Command("mnuCropImage")->setEnabled(true);
    ImgView->SetCropSelectionVisible(true);
  }
  for (const char* name : {"mnuSaveImage", "mnuSaveImageAs", "mnuExportFrames"})
    Command(name)->setEnabled(true);
}

void TFMain::AddRecentFile(const std::string& fileName) {
  mruList.Add(fileName);
}

void TFMain::ForgetSaveImageName() {
  dlgSaveImage.fileName.clear();
}

void TFMain::ClearOutput() {
  frameStepped_ = false;
  mmoDataOutput->Clear();
  // Nobody reads the results of an output that is gone; an 8K picture's take over a gigabyte.
  Engine.Release();
  targetOutput_.Release();
  RefreshDisplayPreview();
}

void TFMain::SetThresholdPosition(int position) {
  frmMonochrome->scbThreshold->setValue(position);
}

void TFMain::WatchFile(const std::string& fileName) {
  if (!Preferences.Is(Option::SystemAutoDetect))
    return;
  services_.watch.Stop();
  services_.watch.SetFileName(fileName);
  services_.watch.Start();
}

void TFMain::ResetColorSwatches() {
  frmPalette->ResetSwatches();
}

void TFMain::ShowFileInformation(const ImageDocument& document) {
  Label("lblColors")->setEnabled(true);
  Label("lblColors")->setText(FromCp1252(document.Texts.lblColors));
  Label("lblAnimations")->setEnabled(true);
  Label("lblAnimations")->setText(FromCp1252(document.Texts.lblAnimations));
}

void TFMain::EnablePaletteMode(bool enabled) {
  Command("mnuPaletteMode1")->setEnabled(enabled);
}

void TFMain::EnableFrameCommands(bool enabled) {
  Command("mnuNext")->setEnabled(enabled);
  Command("mnuPrevious")->setEnabled(enabled);
}

void TFMain::ShowWorkingImage(const ImageDocument& document) {
  ImgView->SetBitmap(document.WorkingImage);
  // Every way the image changes comes here; a load has emptied the output before.
  if (!mmoDataOutput->IsEmpty())
    ShowOutputStale(true);
  else if (frameStepped_)
    ShowPreviewStale(true);
  // An edit that changes the size has refreshed the dimension texts with it.
  Label("lblImageDimensions")->setText(FromCp1252(document.Texts.lblImageDimensions));
  Label("lblDimensions")->setText(FromCp1252(document.Texts.lblDimensions));
}

void TFMain::ShowImageMode(const ImageDocument& document) {
  Label("lblConvertMode")->setEnabled(true);
  Label("lblConvertMode")->setText(FromCp1252(document.Texts.lblConvertMode));
  const char* item = document.ImageMode == ImageMode::Palette      ? "mnuPaletteMode1"
                     : document.ImageMode == ImageMode::Monochrome ? "mnuMonochromeMode1"
                                                                   : "mnuColorMode1";
  Command(item)->setChecked(true);
  mnuImageMode2->setCurrentText(FromCp1252(document.Texts.mnuImageMode2));
}

void TFMain::ResetCropSelection(int width, int height) {
  ImgView->SetCropSelection(QRect(0, 0, width, height));
  ImgView->SetCropSelectionVisible(Command("mnuCropEnabled")->isChecked());
}

void TFMain::RecreatePixelGrid(int, int) {
  ImgView->ResetPixelGrid(ZoomFactor, ZoomFactor > kPixelGridThreshold);
}

void TFMain::ShowImageTexts(const ImageDocument& document) {
  QLabel* name = Label("lblImageName");
  name->setText(FromNativePath(document.Texts.lblImageName));
  name->setToolTip(name->text());
  Label("lblImageDimensions")->setText(FromCp1252(document.Texts.lblImageDimensions));
  // "Name:" carries the file name, spelled as the file system spells it.
  const std::pair<const char*, QString> texts[] = {
      {"lblName", FromNativePath(document.Texts.lblName)},
      {"lblSize", FromCp1252(document.Texts.lblSize)},
      {"lblDimensions", FromCp1252(document.Texts.lblDimensions)}};
  for (const auto& [label, text] : texts) {
    Label(label)->setEnabled(true);
    Label(label)->setText(text);
  }
  dlgSaveImage.proposedName = RenamedExtension(document.CurrentFileName, ".bmp");
  ShowOpenedPicture();
}

void TFMain::ReportError(const std::string& message) {
  services_.errors.Report(message);
}

bool TFMain::CropEnabled() const {
  return Command("mnuCropEnabled")->isChecked();
}
void TFMain::SetCropEnabled(bool checked) {
  Command("mnuCropEnabled")->setChecked(checked);
}

ResizeOptions TFMain::Resize() const {
  return {frmResize->chkAspectRatio->isChecked(), frmResize->chkOptimizeImage->isChecked()};
}

void TFMain::SetResize(const ResizeOptions& options) {
  frmResize->chkAspectRatio->setChecked(options.keepAspectRatio);
  frmResize->chkOptimizeImage->setChecked(options.optimizeImage);
}

StatisticsPanelState TFMain::StatisticsPanel() const {
  StatisticsPanelState state;
  state.visible = !pnlStatistics->isHidden();
  state.floating = pnlStatistics->isFloating();
  state.dockedLeft = dockWidgetArea(pnlStatistics) == Qt::LeftDockWidgetArea;
  const QPoint at = state.floating ? pnlStatistics->pos() : statisticsFloatPos_;
  state.floatX = at.x();
  state.floatY = at.y();
  return state;
}

void TFMain::SetStatisticsPanel(const StatisticsPanelState& state) {
  statisticsFloatPos_ = QPoint(state.floatX, state.floatY);
  if (state.floating) {
    pnlStatistics->setFloating(true);
    PlaceFloatingStatistics();
  } else {
    pnlStatistics->setFloating(false);
    addDockWidget(state.dockedLeft ? Qt::LeftDockWidgetArea : Qt::RightDockWidgetArea,
                  pnlStatistics);
    resizeDocks({pnlStatistics}, {StatisticsPanelState::kFloatingWidth}, Qt::Horizontal);
  }
  pnlStatistics->setVisible(state.visible);
  Command("mnuStatistics")->setChecked(state.visible);
}

MainWindowLayout TFMain::Layout() const {
  MainWindowLayout layout;
  layout.bounds = {x(), y(), width(), height()};
  layout.outputPanelHeight = pnlOutputPanel->height();
  layout.statusBarHeight = statusBar()->height();
  QScreen* primary = QGuiApplication::primaryScreen();
  const QRect screen = primary->geometry();
  layout.screenWidth = screen.width();
  layout.screenHeight = screen.height();
  QList<QScreen*> screens = QGuiApplication::screens();
  screens.removeOne(primary);
  screens.prepend(primary);
  for (const QScreen* each : screens) {
    const QRect area = each->availableGeometry();
    layout.screenAreas.push_back({area.x(), area.y(), area.width(), area.height()});
  }
  const QPoint offset = geometry().topLeft() - pos();
  const QSize frame = frameGeometry().size() - size();
  layout.frame = {offset.x(), offset.y(), frame.width() - offset.x(), frame.height() - offset.y()};
  return layout;
}

WindowPlacement TFMain::Placement() const {
  WindowPlacement placement;
  // A maximised window keeps its normal bounds as content: its frame goes where it was.
  const bool enlarged = isMaximized() || isFullScreen();
  const QRect bounds =
      enlarged ? normalGeometry().translated(-normalFrameOffset_) : QRect(pos(), size());
  placement.bounds = {bounds.x(), bounds.y(), bounds.width(), bounds.height()};
  placement.state = isMinimized()   ? WindowShowState::Minimized
                    : isMaximized() ? WindowShowState::Maximized
                                    : WindowShowState::Normal;
  return placement;
}

void TFMain::ApplyPlacement(const WindowPlacement& placement) {
  const WindowBounds& b = placement.bounds;
  move(b.left, b.top);
  resize(b.width, b.height);
  RememberNormalFrame();
  switch (placement.state) {
    case WindowShowState::Minimized:
      showMinimized();
      break;
    case WindowShowState::Maximized:
      showMaximized();
      break;
    case WindowShowState::Normal:
      break;
  }
}

}  // namespace pixmora

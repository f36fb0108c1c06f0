#include "ui/UMain.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDockWidget>
#include <QLabel>
#include <QProxyStyle>
#include <QToolBar>
#include <QToolTip>
#include <QWheelEvent>
#include <QWindow>

#include "conversion/UConvert.h"
#include "image/BmpWriter.h"
#include "image/TImgView32.h"
#include "image/UMonochrome.h"
#include "image/UResize.h"
#include "image/Zoom.h"
#include "platform/qt/Cp1252.h"
#include "settings/SettingsWindowRules.h"
#include "settings/SystemIntegration.h"
#include "settings/UCustom.h"
#include "settings/USettings.h"
#include "ui/OutputStatistics.h"
#include "ui/TMemo.h"
#include "ui/UAbout.h"
#include "ui/UPalette.h"

namespace pixmora {

namespace {

constexpr const char* kImageChangedText = "Image has been changed.\nDo you want to save it?";
constexpr const char* kImageChangedTitle = "Image change";

// Hints come up after 250 ms of rest and stay up to a minute. Widgets are not animated: an
// animated dock layout repaints every panel each time a command's enabled state or a label's
// text changes the layout, which is twice per conversion.
class MainStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* data) const override {
    if (hint == SH_ToolTip_WakeUpDelay)
      return 250;
    if (hint == SH_Widget_Animation_Duration)
      return 0;
    return QProxyStyle::styleHint(hint, option, widget, data);
  }
};

std::vector<FileFilter> OpenFilters() {
  return {
      {"All (*.bmp, *.jpg, *.jpeg, *.gif, *.ico, *.png)", "*.bmp;*.jpg;*.jpeg;*.gif;*.ico;*.png"},
      {"Bitmaps (*.bmp)", "*.bmp"},
      {"JPEG Image File (*.jpg)", "*.jpg"},
      {"JPEG Image File (*.jpeg)", "*.jpeg"},
      {"Gif Image File (*.gif)", "*.gif"},
      {"Png Image File (*.png)", "*.png"},
      {"Icons (*.ico)", "*.ico"}};
}

// The class name a window would have on the desktop: the widget's own, without namespace.
std::string_view WindowClassName(const QWidget* widget) {
  std::string_view name = widget->metaObject()->className();
  const auto colon = name.rfind(':');
  return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

}  // namespace

TFMain::TFMain(const MainServices& services, QWidget* parent)
    : QMainWindow(parent), Document(*this, services.messages), services_(services) {
  FormCreate();
  CreateWindows();
}

TFMain::~TFMain() {
  qApp->removeEventFilter(this);
  services_.watch.Stop();
  services_.watch.SetChangeHandler({});
  FormDestroy();
  // The windows hold references to the document, the preferences and the custom format: they
  // go while those still live, not later with the widget's children.
  delete frmResize;
  delete frmAbout;
  delete frmCustom;
  delete frmMonochrome;
  delete frmPalette;
  delete frmConvert;
  delete frmSettings;
}

void TFMain::FormCreate() {
  setObjectName("FMain");
  resize(800, 609);
  setContextMenuPolicy(Qt::PreventContextMenu);
  CreateCommands();
  CreateMenus();
  CreateToolbar();
  CreateToolbarTextChoice();
  CreateImageView();
  CreateStatisticsPanel();
  CreateOutputPanel();
  CreateFindBar();
  CreateStatusBar();
  CreateCropReadout();
  CreatePopups();
  ConnectCommands();
  CreateDisplayPreview();
  ConnectFileEvents();
  ImgView->SetCropSelectionVisible(false);
  ShowEditState();
  dlgOpenColor.dialog = {FileDialogKind::Open, "", "", OpenFilters(), false, true};
  dlgSaveImage.dialog = {FileDialogKind::Save,
                         "Save image as...",
                         ".bmp",
                         {{"Bmp Files (*.bmp)", "*.bmp"}},
                         true,
                         false};
  const std::vector<FileFilter> headers{{"C Header Files (*.h)", "*.h"},
                                        {"Binary Files (*.bin)", "*.bin"}};
  dlgExportImage1.dialog = {
      FileDialogKind::Save, "Save image output data pixels as...", ".h", headers, true, false};
  dlgExportImage2.dialog = {
      FileDialogKind::Save, "Save color table data pixels as...", ".h", headers, true, false};
  QApplication::setStyle(new MainStyle);
  QToolTip::setFont(QFont("Verdana"));
  qApp->installEventFilter(this);
}

void TFMain::CreateWindows() {
  frmSettings =
      new TFSettings({Preferences, services_.watch, [this] { return Document.CurrentFileName; },
                      [this] { return Document.ImageMode; }, [this] { ClearOutput(); },
                      [this] { frmCustom->exec(); }, TargetSettings, services_.messages},
                     this);
  frmConvert = new TFConvert(Engine, services_.messages, this);
  frmPalette = new TFPalette(Document, this);
  frmMonochrome = new TFMonochrome(Document, this);
  frmCustom = new TFCustom(CustomFormat, this);
  frmAbout = new TFAbout(services_.shell, this);
  frmResize = new TFResize(Document, this);
}

LiveSettings TFMain::Live() {
  return {recentEntries_, Preferences, CustomFormat, *this, TargetSettings, &previewSettings_};
}

void TFMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!shown_) {
    shown_ = true;
    FormShow();
    // Placed before the window system first shows it, so it never appears elsewhere first and
    // does not wait for an activation that the window system may not give.
    RestoreWindowPlacement(services_.settingsPath, *this);
    ApplyOutputPanelHeight();
  }
}

void TFMain::FormShow() {
  LoadSettings(services_.settingsPath, Live());
  mruList.Assign(recentEntries_);
  ShowSummaryLabels();
  ShowTarget();
  ShowPreviewSettings();
  ApplySystemIntegration();
  ApplyStayOnTop();
  OpenCommandLineFile();
  ShowEditState();
}

bool TFMain::event(QEvent* event) {
  if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
    RememberNormalFrame();
  if (event->type() == QEvent::Resize)
    ApplyPendingOutputShare();
  return QMainWindow::event(event);
}

// The frame's offset from the content, learnt while the window has its normal bounds: a
// maximised window knows its normal bounds only as content, and its frame may differ then.
void TFMain::RememberNormalFrame() {
  if (!(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)))
    normalFrameOffset_ = geometry().topLeft() - pos();
}

void TFMain::closeEvent(QCloseEvent* event) {
  if (!FormCloseQuery()) {
    event->ignore();
    return;
  }
  FormClose();
  event->accept();
}

bool TFMain::FormCloseQuery() {
  if (!Document.ImageChanged)
    return true;
  switch (services_.messages.Show(kImageChangedText, kImageChangedTitle, MessageIcon::Question,
                                  MessageButtons::YesNoCancel)) {
    case MessageResult::Yes:
      if (dialogs_.Execute(dlgSaveImage)) {
        const std::string error = WriteBmp32(Document.WorkingImage, dlgSaveImage.fileName);
        if (!error.empty()) {
          // The edit was not saved: the window stays, as a failed save stops a load.
          ReportError(error);
          return false;
        }
        Document.ImageChanged = false;
      }
      return true;
    case MessageResult::No:
      return true;
    default:
      return false;
  }
}

void TFMain::FormClose() {
  recentEntries_ = mruList.Entries();
  if (!SaveSettings(services_.settingsPath, Live()).empty()) {
    services_.messages.Show(kSettingsWriteFailedText, kSettingsWriteFailedTitle, MessageIcon::Error,
                            MessageButtons::OK);
  }
}

void TFMain::FormDestroy() {
  const std::string error = SaveWindowPlacement(services_.settingsPath, *this);
  if (!error.empty())
    services_.errors.Report(error);
}

void TFMain::ApplySystemIntegration() {
  pixmora::ApplySystemIntegration(
      Preferences,
      {services_.shell, services_.messages,
       [this](bool enabled) { ImgView->SetDropEnabled(enabled); }, services_.executablePath});
}

void TFMain::ApplyStayOnTop() {
  const bool onTop = Preferences.Is(Option::SystemStayOnTop);
  if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop)
    return;
  // Told to the window that exists: setting the widget's flag would make a new one, hidden,
  // somewhere else and not active.
  const Qt::WindowFlags flags = windowFlags().setFlag(Qt::WindowStaysOnTopHint, onTop);
  overrideWindowFlags(flags);
  if (QWindow* shown = windowHandle())
    shown->setFlags(flags);
}

void TFMain::mnuOpenClick() {
  Document.mnuOpenClick(LoadOrigin::Dialog);
}
void TFMain::mnuReloadClick() {
  Document.mnuOpenClick(LoadOrigin::Reload);
}
void TFMain::mnuNextClick() {
  StepFrame(&ImageDocument::mnuNextClick);
}
void TFMain::mnuPreviousClick() {
  StepFrame(&ImageDocument::mnuPreviousClick);
}

void TFMain::mnuSaveImageClick() {
  if (dlgSaveImage.fileName.empty() && !dialogs_.Execute(dlgSaveImage))
    return;
  Document.SaveImage(dlgSaveImage.fileName);
}

void TFMain::mnuSaveImageAsClick() {
  if (!dialogs_.Execute(dlgSaveImage))
    return;
  Document.SaveImage(dlgSaveImage.fileName);
}

void TFMain::mnuConvertClick() {
  // Emptied for the run: the commands and statistics follow the text the run leaves, not this
  // passing state, which nobody sees behind the modal run and whose disabling and re-enabling
  // would lay out and repaint the panel, the toolbar and the window's docks.
  outputEmptiedForRun_ = true;
  mmoDataOutput->Clear();
  outputEmptiedForRun_ = false;
  ShowOutputStale(false);
  targetOutput_.Release();
  // The reduction is repeated so the Palette conversion, or an index target, reads the image and
  // palette it made.
  if (Document.ImageResampled && Document.ImageMode == ImageMode::Palette) {
    RepeatReduction();
  }
  if (TargetSettings.target != TargetKind::Classic) {
    ConvertForTarget();
    AfterConvert();
    ReactToEmptyOutput();
    return;
  }
  ConversionInput input;
  input.WorkingImage = &Document.WorkingImage;
  input.ImageWidth = Document.ImageWidth;
  input.ImageHeight = Document.ImageHeight;
  input.ImageMode = Document.ImageMode;
  input.Preferences = Preferences;
  input.CustomFormat = CustomFormat;
  input.ColorTable = Document.ColorTable;
  input.PaletteColorCount = Document.PaletteColorCount;
  input.CurrentFileName = Document.CurrentFileName;
  frmConvert->Execute(input, *mmoDataOutput);
  // A cancelled or refused run leaves nothing to show, only buffers.
  if (mmoDataOutput->IsEmpty())
    Engine.Release();
  AfterConvert();
  ReactToEmptyOutput();
}

void TFMain::ReactToEmptyOutput() {
  if (mmoDataOutput->IsEmpty())
    mmoDataOutputChange();
}

void TFMain::mnuCopyClick() {
  mmoDataOutput->SelectAll();
  services_.clipboard.SetText(mmoDataOutput->SelectedText());
  mmoDataOutput->ClearSelection();
}

void TFMain::mnuClearOutputClick() {
  ClearOutput();
}

void TFMain::mmoDataOutputChange() {
  if (outputEmptiedForRun_)
    return;
  const bool empty = mmoDataOutput->IsEmpty();
  const OutputStatistics statistics =
      !empty && !targetOutput_.Empty()
          ? TargetOutputStatistics(targetOutput_.DataSize())
          : ComputeOutputStatistics(empty, Engine, Preferences,
                                    Command("mnuPaletteMode1")->isChecked());
  for (const char* name : {"mnuExport", "mnuExportAs", "mnuCopy", "mnuClearOutput"}) {
    Command(name)->setEnabled(statistics.outputCommandsEnabled);
  }
  ShowOutputStatistics(statistics);
  // A new text, or none, is never out of date.
  ShowOutputStale(false);
}

void TFMain::ResetOutputStatistics() {
  ShowOutputStatistics(OutputStatistics());
}

void TFMain::ShowOutputStatistics(const OutputStatistics& statistics) {
  const std::pair<const char*, const StatisticsLabel*> labels[] = {
      {"lblOutputDataSize", &statistics.lblOutputDataSize},
      {"lblColorTableSize", &statistics.lblColorTableSize},
      {"lblCompressionRatio", &statistics.lblCompressionRatio}};
  for (const auto& [name, label] : labels) {
    Label(name)->setEnabled(label->enabled);
    Label(name)->setText(FromCp1252(label->caption));
  }
}

void TFMain::mnuZoomInClick() {
  ZoomFactor = ZoomInStep(ZoomFactor);
  AfterZoom();
}

void TFMain::mnuZoomOutClick() {
  ZoomFactor = ZoomOutStep(ZoomFactor);
  AfterZoom();
}

void TFMain::mnuOriginalSizeClick() {
  ZoomFactor = 1.0f;
  AfterZoom();
}

void TFMain::AfterZoom() {
  ImgView->SetScale(ZoomFactor);
  ImgView->SetPixelGrid(ZoomFactor, ZoomFactor > kPixelGridThreshold);
}

void TFMain::mnuPreferencesClick() {
  ShowPreferences();
  ApplySystemIntegration();
  ApplyStayOnTop();
}

void TFMain::ShowPreferences() {
  const pixmora::Preferences preferences = Preferences;
  const pixmora::CustomFormat customFormat = CustomFormat;
  frmSettings->exec();
  // A change that empties the output has done so already; others may still alter the classic
  // one.
  if (!mmoDataOutput->IsEmpty() && TargetSettings.target == TargetKind::Classic &&
      ChangeAltersOutput(preferences, Preferences, customFormat != CustomFormat,
                         Document.ImageMode)) {
    ShowOutputStale(true);
  }
  ShowSummaryLabels();
  ShowTarget();
}

void TFMain::lblColorModeClick(QObject* sender) {
  const std::string name = sender->objectName().toStdString();
  if (name == "lblColorMode") {
    frmSettings->SelectTab("Color");
  } else if (name == "lblMonochromeMode") {
    frmSettings->SelectTab("Monochrome");
  } else if (name == "lblColorTableRepresentation" || name == "lblPixelsPerByte") {
    frmSettings->SelectTab("Palette");
  } else if (name == "lblOutputDataFormat" || name == "lblOutputDataRepresentation" ||
             name == "lblCompression") {
    frmSettings->SelectTab("Common");
  }
  ShowPreferences();
}

void TFMain::mnuColorTableClick() {
  frmPalette->exec();
}
void TFMain::mnuAboutClick() {
  frmAbout->exec();
}

void TFMain::mnuFileClick() {
  Command("mnuRecentFiles")->setEnabled(!mruList.Empty());
}
void TFMain::mnuViewClick() {
  Command("mnuColorTable")->setEnabled(Document.HasPalette);
}

// A panel closed by its own close button unchecks its items.
void TFMain::tlbMainToolbarClose() {
  tlbMainToolbar->hide();
  Command("mnuMainToolbar")->setChecked(false);
}
void TFMain::pnlOutputPanelClose() {
  Command("mnuOutputWindow")->setChecked(false);
}
void TFMain::pnlStatisticsClose() {
  Command("mnuStatistics")->setChecked(false);
}

void TFMain::ApplicationEvents1Deactivate() {
  if (frmAbout->isVisible())
    frmAbout->close();
}

bool TFMain::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::Wheel: {
      auto* widget = qobject_cast<QWidget*>(watched);
      if (widget && widget->window() == this)
        return RouteWheel(static_cast<QWheelEvent*>(event));
      break;
    }
    case QEvent::ApplicationDeactivate:
      if (watched == qApp)
        ApplicationEvents1Deactivate();
      break;
    case QEvent::Move:
      // Kept while docked. Not while it changes between floating and docked: Qt places it then.
      if (watched == pnlStatistics && statisticsFloated_ && pnlStatistics->isFloating())
        statisticsFloatPos_ = pnlStatistics->pos();
      break;
    case QEvent::Close:
      if (watched == pnlStatistics)
        pnlStatisticsClose();
      if (watched == pnlOutputPanel)
        pnlOutputPanelClose();
      break;
    default:
      break;
  }
  return QMainWindow::eventFilter(watched, event);
}

bool TFMain::RouteWheel(QWheelEvent* wheel) {
  // The window under the pointer decides, by its class: the output text and the statistics
  // panel scroll, the image view zooms, anything else ignores the wheel.
  for (QWidget* under = QApplication::widgetAt(wheel->globalPosition().toPoint());
       under && under != this; under = under->parentWidget()) {
    const std::string_view name = WindowClassName(under);
    // The output text and the statistics panel scroll themselves.
    if (name == "TMemo" || name == "QScrollArea")
      return false;
    if (name == "TImgView32") {
      ImgView->setFocus();
      ZoomWithWheel(wheel);
      return true;
    }
  }
  return true;
}

}  // namespace pixmora

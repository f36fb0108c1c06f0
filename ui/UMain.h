#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>
#include <string>

#include "conversion/ConversionEngine.h"
#include "decode/CompareEncodings.h"
#include "decode/ShownOutput.h"
#include "image/DocumentView.h"
#include "image/EditHistory.h"
#include "image/ImageDocument.h"
#include "platform/Clipboard.h"
#include "platform/ErrorReport.h"
#include "platform/FileDialog.h"
#include "platform/FileWatch.h"
#include "platform/FolderMemoryDialog.h"
#include "platform/MessageBox.h"
#include "platform/Shell.h"
#include "settings/CustomFormat.h"
#include "settings/Preferences.h"
#include "settings/PreviewSettings.h"
#include "settings/SettingsFile.h"
#include "settings/SummaryLabels.h"
#include "ui/HeldCommands.h"
#include "ui/OutputStatistics.h"
#include "ui/RecentFiles.h"
#include "ui/TargetOutput.h"
#include "ui/qt/NamedChildren.h"

class QAction;
class QActionGroup;
class QComboBox;
class QDockWidget;
class QLabel;
class QMenu;
class QPointF;
class QSplitter;
class QToolBar;

namespace pixmora {

class TFAbout;
class TFConvert;
class TFCropTo;
class TFindBar;
class TFCustom;
class TFMonochrome;
class TFPalette;
class TFResize;
class TFSettings;
class TFSizes;
class TDisplayPreview;
class TImgView32;
class TMemo;

// What the main window asks of the desktop; the program passes the Qt backends, the tests
// recording fakes.
struct MainServices {
  MessageBoxService& messages;
  FileDialogService& dialogs;
  ClipboardService& clipboard;
  ErrorReportService& errors;
  ShellService& shell;
  FileWatch& watch;             // ATFileNotification1
  std::string settingsPath;     // "Pixmora_Convert.ini" in the program's folder
  std::string executablePath;   // the running program, which the desktop integration names
  std::string commandLineFile;  // the program's first argument, opened at start-up
};

// The main window: menus, toolbar and popups as views of one action per command, the image
// view, the statistics panel, the output window and the status bar. It owns the image
// document, the conversion results, the live preferences and the six other windows.
class TFMain : public QMainWindow, public DocumentView, public SettingsWindows {
  Q_OBJECT

 public:
  explicit TFMain(const MainServices& services, QWidget* parent = nullptr);
  ~TFMain() override;

  // The command named as its menu item ("mnuOpen"); every view of it shares the action.
  QAction* Command(const char* name) const;
  QLabel* Label(const char* name) const;

  ImageDocument Document;
  ConversionEngine Engine;
  pixmora::Preferences Preferences;
  pixmora::CustomFormat CustomFormat;
  pixmora::TargetSettings TargetSettings;
  RecentFiles mruList;
  float ZoomFactor = 1.0f;
  FileDialogState dlgOpenColor;
  FileDialogState dlgSaveImage;
  FileDialogState dlgExportImage1;  // image data
  FileDialogState dlgExportImage2;  // color table
  FileDialogState dlgExportFrames;  // every frame in one table

  TMemo* mmoDataOutput = nullptr;
  TImgView32* ImgView = nullptr;
  QToolBar* tlbMenuToolbar = nullptr;
  QToolBar* tlbMainToolbar = nullptr;
  QDockWidget* pnlStatistics = nullptr;
  QDockWidget* pnlOutputPanel = nullptr;
  QComboBox* mnuImageMode2 = nullptr;
  QComboBox* cmbMainTarget = nullptr;  // the target of the Preferences' "Target" tab
  QMenu* pumToolbar = nullptr;
  QMenu* pumOutputWindow = nullptr;
  QMenu* pumCropResize = nullptr;

  TFSettings* frmSettings = nullptr;
  TFConvert* frmConvert = nullptr;
  TFPalette* frmPalette = nullptr;
  TFMonochrome* frmMonochrome = nullptr;
  TFCustom* frmCustom = nullptr;
  TFAbout* frmAbout = nullptr;
  TFResize* frmResize = nullptr;
  TFSizes* frmSizes = nullptr;
  TDisplayPreview* pnlDisplayPreview = nullptr;  // beside the image view, or in its place
  TFCropTo* frmCropTo = nullptr;
  TFindBar* pnlFind = nullptr;  // under the output text

  // Commands.
  void mnuOpenClick();
  void mnuReloadClick();
  void mnuNextClick();
  void mnuPreviousClick();
  void mnuSaveImageClick();
  void mnuSaveImageAsClick();
  void mnuConvertClick();
  void mnuRotateRightClick();
  void mnuRotateLeftClick();
  void mnuFlipHorizontalClick();
  void mnuFlipVerticalClick();
  void mnuCropEnabledClick();
  void mnuCropImageClick();
  void mnuResizeImageClick();
  // Crops to a rectangle typed as left, top, width and height.
  void mnuCropToClick();
  void mnuMonochromeClick();
  void mnuResampleImage2Click();
  void mnuUndoClick();
  void mnuRedoClick();
  void mnuCopyClick();
  // The output window's own selection; Copy takes the whole text.
  void mnuCopySelectionClick();
  void mnuFindClick();
  void mnuFindNextClick();
  void mnuFindPreviousClick();
  void mnuGoToLineClick();
  void mnuExportClick();
  void mnuExportAsClick();
  void mnuExportFramesClick();  // UMainFrames.cpp
  // The document's step to another frame; the preview then shows that frame composed.
  void StepFrame(void (ImageDocument::*step)());
  void mnuClearOutputClick();
  void mnuZoomInClick();
  void mnuZoomOutClick();
  void mnuOriginalSizeClick();
  // Zooms by a factor of 1.25, anchored at the view's middle.
  void mnuZoomInFactorClick();
  void mnuZoomOutFactorClick();
  void mnuZoomToFitClick();
  void mnuPreferencesClick();
  void mnuColorTableClick();
  void mnuAboutClick();
  void mnuFileClick();
  void mnuViewClick();
  void mruListClick(const std::string& fileName);
  void mnuClearHistoryClick();
  void DropFilesTarget1DropFiles(const std::vector<std::string>& fileNames);
  void ATFileNotification1Changed();
  void tlbMainToolbarClose();
  void pnlOutputPanelClose();
  void pnlStatisticsClose();
  void mmoDataOutputChange();
  // A target chosen in the main toolbar's drop-down, by its place in the list.
  void cmbMainTargetChange(int index);
  void lblColorModeClick(QObject* sender);
  // UMainPreview.cpp: the Display preview and the Sizes window.
  void mnuDisplayPreviewClick();
  void mnuPreviewInsteadClick();
  void mnuDifferencesClick();
  void mnuSizesClick();
  // Applies a row of the Sizes window: its settings, its reduction or image mode.
  void ApplySizesRow(const CompareRow& row);
  // What the Display preview shows: empty while it is off or nothing was converted.
  const ShownOutput& DisplayedOutput() const { return shownOutput_; }
  const pixmora::PreviewSettings& PreviewChoices() const { return previewSettings_; }
  void ApplicationEvents1Deactivate();
  // True when the window may close; asks to save an edited image first.
  bool FormCloseQuery();

  // DocumentView
  std::optional<std::string> AskSaveImageName() override;
  std::optional<std::string> AskOpenImageName() override;
  void EnableImageCommands() override;
  void AddRecentFile(const std::string& fileName) override;
  void ForgetSaveImageName() override;
  // Empties the output window and gives back the memory of the results it showed.
  void ClearOutput() override;
  void SetThresholdPosition(int position) override;
  void WatchFile(const std::string& fileName) override;
  void ResetColorSwatches() override;
  void ShowFileInformation(const ImageDocument& document) override;
  void EnablePaletteMode(bool enabled) override;
  void EnableFrameCommands(bool enabled) override;
  // Also marks an output made from the image before as out of date.
  void ShowWorkingImage(const ImageDocument& document) override;
  void ShowImageMode(const ImageDocument& document) override;
  void ResetCropSelection(int width, int height) override;
  void RecreatePixelGrid(int width, int height) override;
  void ShowImageTexts(const ImageDocument& document) override;
  void ResetOutputStatistics() override;
  void ReportError(const std::string& message) override;

  // SettingsWindows
  bool CropEnabled() const override;
  void SetCropEnabled(bool checked) override;
  ResizeOptions Resize() const override;
  void SetResize(const ResizeOptions& options) override;
  StatisticsPanelState StatisticsPanel() const override;
  void SetStatisticsPanel(const StatisticsPanelState& state) override;
  MainWindowLayout Layout() const override;
  WindowPlacement Placement() const override;
  void ApplyPlacement(const WindowPlacement& placement) override;
  ViewSettings View() const override;
  void SetView(const ViewSettings& view) override;

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormCreate();
  void CreateWindows();
  void FormShow();
  void RememberNormalFrame();
  void FormClose();
  void FormDestroy();

  // UMainCommands.cpp
  void CreateCommands();
  void CreateMenus();
  void CreateToolbar();
  void CreatePopups();
  void ConnectCommands();
  // Every command that can touch the document or the output goes through here: one that
  // arrives while another runs waits for it (see HeldCommands).
  void RunCommand(const std::string& name, std::function<void()> command);
  // UMainHistory.cpp
  // Runs an edit of the picture and keeps the state before it for Undo when it changed any.
  void RecordEdit(const std::function<void()>& edit);
  // Undo and Redo as the history allows, and the title with the file and its modified mark.
  void ShowEditState();
  // UMainFind.cpp
  void CreateFindBar();
  // UMainCrop.cpp
  void CreateCropReadout();
  // UMainZoom.cpp
  // Over the image view: one zoom step, or with Ctrl the factor of 1.25, at the pointer.
  void ZoomWithWheel(QWheelEvent* wheel);
  void ZoomAt(float zoom, const QPointF& anchor);
  // A picture opened anew is shown at 100 %, or fitted when larger than the view.
  void ShowOpenedPicture();
  // UMainViewSettings.cpp
  void CreateToolbarTextChoice();
  // The output window's height as the settings keep it, by default a third of the window.
  void ApplyOutputPanelHeight();
  // The third again once a window opened maximised has its size.
  void ApplyPendingOutputShare();
  // UMainTarget.cpp
  void CreateTargetList();
  // The drop-down shows the target of the settings.
  void ShowTarget();
  // Converts for the chosen target; a refusal is shown in a message box.
  void ConvertForTarget();
  // UMainPreview.cpp
  void CreateDisplayPreview();
  // The commands and the panes as the settings file left them.
  void ShowPreviewSettings();
  // After each Convert, the output made or none: what the preview decodes.
  void AfterConvert();
  // Decodes the output that the output window shows, when the preview is on; else lets it go.
  void RefreshDisplayPreview();
  // Shows or hides the panes as the settings say, and the output the preview holds.
  void ShowDisplayPreview();
  void ShowPreviewStale(bool stale);
  // The status bar's text for the pixel under the pointer in `view`; nothing: the pointer left.
  void ShowPixelStatus(TImgView32* view, std::optional<QPointF> at);
  // The other view takes the zoom, pixel grid and scroll of `from`.
  void SyncViews(TImgView32* from);
  // Convert repeats the last reduction: the Sizes window's, or the count items'.
  void RepeatReduction();
  // UMainFileEvents.cpp
  void ConnectFileEvents();
  void ShowRecentFiles(QMenu* menu);
  void OpenCommandLineFile();
  // UMainPanels.cpp
  void CreateImageView();
  void CreateStatisticsPanel();
  void CreateOutputPanel();
  void CreateStatusBar();
  void PlaceFloatingStatistics();
  void ShowSummaryLabels();
  // A run that leaves the output window empty shows its commands and statistics so.
  void ReactToEmptyOutput();
  void ShowPreferences();
  // Whether the output window keeps a text made before the last edit: said over the output
  // and in the status bar until the output changes.
  void ShowOutputStale(bool stale);
  // Asks before an export of an output made before the last edit; true to go on.
  bool ExportStaleOutputAnyway();
  void ApplySystemIntegration();
  void ApplyStayOnTop();
  void AfterZoom();
  // The export dialog's file types and the name it proposes: the picture's.
  void PrepareExportFilters();
  void PrepareExportTypes();
  // Writes the export files; the color table file's name is asked when askTableName is set or
  // none was chosen yet.
  void ExportTo(const std::string& fileName, bool askTableName);
  void SwitchMode(ImageMode mode);
  void ShowOutputStatistics(const OutputStatistics& statistics);
  bool RouteWheel(QWheelEvent* wheel);
  LiveSettings Live();

  const MainServices services_;
  FolderMemoryDialog dialogs_{services_.dialogs};
  HeldCommands commands_;
  EditHistory history_;
  TargetOutput targetOutput_;  // the output window shows it while it is not empty
  bool outputStale_ = false;
  bool outputEmptiedForRun_ = false;        // the Convert empties the output window before its run
  std::vector<std::string> recentEntries_;  // the list as the settings file reads it
  ResizeOptions resizeOptions_;
  SummaryLabels summaryLabels_;
  NamedChildren<QLabel> labels_{*this};
  NamedChildren<QAction> actions_{*this};
  QActionGroup* imageModes_ = nullptr;
  QActionGroup* resampleColors_ = nullptr;
  QPoint statisticsFloatPos_;
  bool statisticsFloated_ = false;  // the panel floats where it was put, not where Qt put it
  QPoint normalFrameOffset_;        // the content's top-left from the frame's, in normal state
  bool shown_ = false;
  // UMainPreview.cpp
  pixmora::PreviewSettings previewSettings_;
  ShownOutput shownOutput_;
  QSplitter* splViews_ = nullptr;
  bool syncingViews_ = false;
  // What the last classic run read beside the engine's results, for the preview to decode them
  // as its export would have then.
  std::uint16_t convertedWidth_ = 0;
  std::uint16_t convertedHeight_ = 0;
  pixmora::Preferences convertedPreferences_;
  int chosenReductionBits_ = 0;  // a reduction the Sizes window made; 0: the count items'
  std::string zoomedFile_;       // the file whose opening set the zoom
  int outputPanelHeight_ = 0;    // as the settings file gave it; 0: none
  // From a frame step until the output is cleared, an empty output's preview is the frame
  // composed as a viewer shows it (UMainFrames.cpp).
  bool frameStepped_ = false;
  // The height at start of a window opened maximised, until it has its size; 0: none.
  int outputShareFromHeight_ = 0;
};

}  // namespace pixmora

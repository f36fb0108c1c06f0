// The Display preview beside the picture and the Sizes window: their commands, menu items and
// toolbar toggle, the preview decoded after each Convert, the two views kept at one zoom and
// scroll, and the status bar's text for the pixel under the pointer.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <bit>

#include "conversion/ImageBaseName.h"
#include "image/ColorReduction.h"
#include "image/TImgView32.h"
#include "ui/ComposedFrameOutput.h"
#include "ui/TMemo.h"
#include "ui/UCommandIcons.h"
#include "ui/UDisplayPreview.h"
#include "ui/UMain.h"
#include "ui/USizes.h"

namespace pixmora {

namespace {

struct PreviewCommand {
  const char* name;
  const char* caption;
  const char* shortcut;  // nullptr: none
  bool checkable;
  const char* hint;
};

constexpr PreviewCommand kPreviewCommands[] = {
    {"mnuDisplayPreview", "&Display Preview", "F6", true,
     "Show what the display will show, decoded from the output"},
    {"mnuPreviewInstead", "Pre&view Instead of Picture", "Shift+F6", true,
     "Show the display preview in place of the picture"},
    {"mnuDifferences", "Diffe&rences", "Ctrl+F6", true,
     "Mark the pixels that the display shows otherwise than the picture"},
    {"mnuSizes", "&Sizes...", nullptr, false,
     "Every encoding of the picture by its size and how close it comes"},
};

// Reports the pointer's place on a view's viewport while it moves there, and nothing when it
// leaves.
class HoverWatch : public QObject {
 public:
  HoverWatch(QObject* parent, std::function<void(std::optional<QPointF>)> report)
      : QObject(parent), report_(std::move(report)) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::MouseMove)
      report_(static_cast<QMouseEvent*>(event)->position());
    else if (event->type() == QEvent::Leave)
      report_(std::nullopt);
    return false;
  }

 private:
  std::function<void(std::optional<QPointF>)> report_;
};

}  // namespace

void TFMain::CreateDisplayPreview() {
  for (const PreviewCommand& entry : kPreviewCommands) {
    auto* action = new QAction(entry.caption, this);
    action->setObjectName(entry.name);
    action->setCheckable(entry.checkable);
    action->setToolTip(entry.hint);
    action->setStatusTip(entry.hint);
    if (entry.shortcut)
      action->setShortcut(QKeySequence(entry.shortcut));
    addAction(action);
  }
  Command("mnuSizes")->setEnabled(false);
  Command("mnuPreviewInstead")->setIconText("Instead");
  auto* view = findChild<QMenu*>("mnuView");
  view->addSeparator();
  for (const PreviewCommand& entry : kPreviewCommands)
    view->addAction(Command(entry.name));
  connect(view, &QMenu::aboutToShow, this,
          [this] { Command("mnuSizes")->setEnabled(!Document.WorkingImage.Empty()); });

  // The toggle on the main toolbar, after the last command there.
  QAction* toggle = Command("mnuDisplayPreview");
  toggle->setIconText("Preview");
  toggle->setIcon(CommandIcon("video-display"));
  const QList<QAction*> items = tlbMainToolbar->actions();
  const qsizetype last = items.indexOf(Command("mnuResampleImage2"));
  QAction* before = last >= 0 && last + 1 < items.size() ? items[last + 1]
                    : items.size() >= 2                  ? items[items.size() - 2]
                                                         : nullptr;
  tlbMainToolbar->insertAction(before, toggle);
  if (auto* button = qobject_cast<QToolButton*>(tlbMainToolbar->widgetForAction(toggle)))
    button->setObjectName("btnDisplayPreview");

  frmSizes = new TFSizes(this);
  pnlDisplayPreview =
      new TDisplayPreview(Command("mnuDifferences"), Command("mnuPreviewInstead"), this);
  splViews_ = new QSplitter(Qt::Horizontal, this);
  splViews_->setObjectName("splViews");
  splViews_->setChildrenCollapsible(false);
  splViews_->addWidget(takeCentralWidget());
  splViews_->addWidget(pnlDisplayPreview);
  setCentralWidget(splViews_);
  pnlDisplayPreview->hide();

  const std::pair<const char*, void (TFMain::*)()> handlers[] = {
      {"mnuDisplayPreview", &TFMain::mnuDisplayPreviewClick},
      {"mnuPreviewInstead", &TFMain::mnuPreviewInsteadClick},
      {"mnuDifferences", &TFMain::mnuDifferencesClick},
      {"mnuSizes", &TFMain::mnuSizesClick},
  };
  for (const auto& [name, handler] : handlers) {
    connect(Command(name), &QAction::triggered, this, [this, name = name, handler = handler] {
      RunCommand(name, [this, handler] { (this->*handler)(); });
    });
  }
  connect(pnlDisplayPreview, &TDisplayPreview::ToleranceChanged, this, [this](int tolerance) {
    if (tolerance == previewSettings_.tolerance)
      return;
    previewSettings_.tolerance = tolerance;
    if (previewSettings_.differences)
      RunCommand("ToleranceChanged", [this] { ShowDisplayPreview(); });
  });
  // Resampling by the count items again is what Convert repeats from then on.
  connect(resampleColors_, &QActionGroup::triggered, this, [this] { chosenReductionBits_ = 0; });
  connect(Command("mnuResampleImage2"), &QAction::triggered, this,
          [this] { chosenReductionBits_ = 0; });

  // One zoom, pixel grid and scroll for both views.
  TImgView32* preview = pnlDisplayPreview->View;
  connect(ImgView, &TImgView32::Scaled, this, [this] { SyncViews(ImgView); });
  for (const auto& [from, to] : {std::pair(ImgView, preview), std::pair(preview, ImgView)}) {
    const std::pair<QScrollBar*, QScrollBar*> bars[] = {
        {from->horizontalScrollBar(), to->horizontalScrollBar()},
        {from->verticalScrollBar(), to->verticalScrollBar()}};
    for (const auto& [a, b] : bars) {
      connect(a, &QScrollBar::valueChanged, this, [this, b = b](int value) {
        if (syncingViews_ || !pnlDisplayPreview->isVisible())
          return;
        syncingViews_ = true;
        b->setValue(value);
        syncingViews_ = false;
      });
    }
    from->viewport()->installEventFilter(new HoverWatch(
        this, [this, view = from](std::optional<QPointF> at) { ShowPixelStatus(view, at); }));
  }
}

void TFMain::ShowPreviewSettings() {
  Command("mnuDisplayPreview")->setChecked(previewSettings_.shown);
  Command("mnuPreviewInstead")->setChecked(previewSettings_.instead);
  Command("mnuDifferences")->setChecked(previewSettings_.differences);
  pnlDisplayPreview->SetTolerance(previewSettings_.tolerance);
  RefreshDisplayPreview();
}

void TFMain::mnuDisplayPreviewClick() {
  previewSettings_.shown = Command("mnuDisplayPreview")->isChecked();
  RefreshDisplayPreview();
}

void TFMain::mnuPreviewInsteadClick() {
  previewSettings_.instead = Command("mnuPreviewInstead")->isChecked();
  // The preview in place of the picture is shown, whether it was before or not.
  if (previewSettings_.instead && !previewSettings_.shown) {
    previewSettings_.shown = true;
    Command("mnuDisplayPreview")->setChecked(true);
    RefreshDisplayPreview();
    return;
  }
  ShowDisplayPreview();
}

void TFMain::mnuDifferencesClick() {
  previewSettings_.differences = Command("mnuDifferences")->isChecked();
  ShowDisplayPreview();
}

void TFMain::AfterConvert() {
  convertedWidth_ = Document.ImageWidth;
  convertedHeight_ = Document.ImageHeight;
  convertedPreferences_ = Preferences;
  RefreshDisplayPreview();
}

void TFMain::RefreshDisplayPreview() {
  shownOutput_ = ShownOutput();
  if (previewSettings_.shown && !mmoDataOutput->IsEmpty()) {
    // Differences need the picture the output was made of, which an edit has replaced.
    const TBitmap32 none;
    const TBitmap32& source = outputStale_ ? none : Document.WorkingImage;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (!targetOutput_.Empty()) {
      shownOutput_ =
          ShownOutput::OfTargetRun(targetOutput_.Data(), targetOutput_.Settings(), source);
    } else if (Engine.Completed()) {
      const ExportSource run{Engine, convertedWidth_, convertedHeight_, convertedPreferences_,
                             Engine.HasColorTable()};
      shownOutput_ = ShownOutput::OfClassicRun(run, source);
    }
    QApplication::restoreOverrideCursor();
  } else if (previewSettings_.shown && frameStepped_) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    shownOutput_ = ComposedFrameOutput(Document, Preferences, CustomFormat, TargetSettings);
    QApplication::restoreOverrideCursor();
  }
  ShowDisplayPreview();
}

void TFMain::ShowDisplayPreview() {
  if (!pnlDisplayPreview)
    return;
  const bool on = previewSettings_.shown;
  const bool instead = on && previewSettings_.instead;
  const bool pictureBack = ImgView->isHidden() && !instead;
  const bool appears = on && pnlDisplayPreview->isHidden();
  pnlDisplayPreview->setVisible(on);
  ImgView->setVisible(!instead);
  if (!on)
    return;
  // Half the room each when both are shown anew; all of it in the picture's place.
  const int room = std::max(2, splViews_->width() - splViews_->handleWidth());
  if (instead) {
    splViews_->setSizes({0, room});
  } else if (appears || pictureBack) {
    splViews_->setSizes({room / 2, room - room / 2});
  }
  // The picture comes back where the preview was scrolled to.
  if (pictureBack) {
    syncingViews_ = true;
    for (const auto& [a, b] :
         {std::pair(pnlDisplayPreview->View->horizontalScrollBar(), ImgView->horizontalScrollBar()),
          std::pair(pnlDisplayPreview->View->verticalScrollBar(), ImgView->verticalScrollBar())})
      b->setValue(a->value());
    syncingViews_ = false;
  }
  pnlDisplayPreview->ShowOutput(shownOutput_, previewSettings_.differences
                                                  ? std::optional(previewSettings_.tolerance)
                                                  : std::nullopt);
  pnlDisplayPreview->SetStale(outputStale_ && !shownOutput_.Empty());
  SyncViews(ImgView);
}

void TFMain::ShowPreviewStale(bool stale) {
  if (pnlDisplayPreview)
    pnlDisplayPreview->SetStale(stale && !shownOutput_.Empty());
}

void TFMain::SyncViews(TImgView32* from) {
  if (syncingViews_ || !pnlDisplayPreview->isVisible())
    return;
  TImgView32* to = from == ImgView ? pnlDisplayPreview->View : ImgView;
  syncingViews_ = true;
  if (to->Scale() != from->Scale())
    to->SetScale(from->Scale());
  to->SetPixelGrid(from->PixelGridScale(), from->PixelGridVisible());
  // A hidden view keeps its scroll where its size left it; the shown one keeps its own.
  if (from->isVisible()) {
    to->horizontalScrollBar()->setValue(from->horizontalScrollBar()->value());
    to->verticalScrollBar()->setValue(from->verticalScrollBar()->value());
  }
  syncingViews_ = false;
}

void TFMain::ShowPixelStatus(TImgView32* view, std::optional<QPointF> at) {
  const std::optional<QPoint> pixel = at ? view->PixelAt(*at) : std::nullopt;
  const std::string text =
      pixel ? PixelStatus(pixel->x(), pixel->y(), Document.WorkingImage, shownOutput_, outputStale_,
                          previewSettings_.differences ? std::optional(previewSettings_.tolerance)
                                                       : std::nullopt)
            : std::string();
  if (text.empty()) {
    statusBar()->clearMessage();
  } else {
    statusBar()->showMessage(QString::fromStdString(text));
  }
}

void TFMain::mnuSizesClick() {
  if (Document.WorkingImage.Empty())
    return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  std::vector<CompareRow> rows =
      CompareEncodings(Document.WorkingImage, Preferences, TargetSettings);
  QApplication::restoreOverrideCursor();
  const TBitmap32& picture = Document.WorkingImage;
  frmSizes->ShowRows(std::move(rows), FileNameOf(Document.CurrentFileName) + " as it is shown, " +
                                          std::to_string(picture.Width()) + " x " +
                                          std::to_string(picture.Height()) +
                                          " pixels: every encoding, smallest first");
  if (frmSizes->exec() != QDialog::Accepted)
    return;
  if (const CompareRow* row = frmSizes->Chosen())
    ApplySizesRow(*row);
}

void TFMain::ApplySizesRow(const CompareRow& row) {
  const pixmora::Preferences preferences = Preferences;
  const pixmora::TargetSettings target = TargetSettings;
  ApplyCompareRow(row, Preferences, TargetSettings);
  // The output of other settings is not this row's.
  if (Preferences != preferences || TargetSettings != target)
    ClearOutput();
  if (row.reduceTo > 0) {
    // The picture as it is shown, as the table measured it; Convert repeats this reduction.
    chosenReductionBits_ = std::countr_zero(static_cast<unsigned>(row.reduceTo));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::string error =
        ReduceColorsFrom(Document, Document.WorkingImage, chosenReductionBits_);
    QApplication::restoreOverrideCursor();
    if (!error.empty())
      ReportError(error);
  } else if (row.target.target == TargetKind::Classic && Document.ImageMode != row.mode) {
    SwitchMode(row.mode);
  }
  ShowSummaryLabels();
  ShowTarget();
}

void TFMain::RepeatReduction() {
  if (chosenReductionBits_ == 0) {
    mnuResampleImage2Click();
    return;
  }
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const std::string error = ReduceColorsFrom(Document, Document.WorkingImage, chosenReductionBits_);
  QApplication::restoreOverrideCursor();
  if (!error.empty())
    ReportError(error);
}

}  // namespace pixmora

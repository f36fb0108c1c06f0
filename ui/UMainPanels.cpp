// The main window's panels: the image view, the statistics panel, the output window and the
// status bar.
#include <QApplication>
#include <QDockWidget>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QVBoxLayout>
#include <string_view>

#include "image/TImgView32.h"
#include "image/Zoom.h"
#include "platform/qt/Cp1252.h"
#include "ui/TMemo.h"
#include "ui/UElidedLabel.h"
#include "ui/ULabelWidth.h"
#include "ui/UMain.h"
#include "ui/UStatusSeparator.h"

namespace pixmora {

namespace {

constexpr const char* kOutputStaleText =
    "The output was made before the last edit. Convert again (F5).";
constexpr const char* kOutputStaleStatus = "Output out of date";
constexpr const char* kExportStaleText =
    "The output was made before the last edit.\nExport it anyway?";
constexpr const char* kExportStaleTitle = "Export";
constexpr int kStatisticsWidth = StatisticsPanelState::kFloatingWidth;
constexpr int kStatisticsHeight = StatisticsPanelState::kFloatingHeight;
constexpr int kStatisticsRowSpacing = 1;
constexpr int kStatisticsMargin = 5;
constexpr int kStatusNameWidth = 400;

struct LabelEntry {
  const char* name;
  const char* caption;
};

struct GroupSpec {
  const char* caption;
  std::vector<LabelEntry> labels;
};

const GroupSpec kStatisticsGroups[] = {
    {" Image file information ",
     {{"lblName", "Name:"},
      {"lblSize", "Size:"},
      {"lblDimensions", "Dimensions:"},
      {"lblAnimations", "Animations:"},
      {"lblColors", "Colors:"}}},
    {" Conversion mode ", {{"lblConvertMode", "Convert mode:"}}},
    {" Preferences ", {}},  // the summary labels
    {" Output data ",
     {{"lblOutputDataSize", "Output data size:"},
      {"lblColorTableSize", "Color table size:"},
      {"lblCompressionRatio", "Compression ratio:"}}},
};

// The text color of enabled labels; a disabled one keeps the palette's disabled color.
void SetEnabledTextColor(QPalette& colors, const QColor& color) {
  colors.setColor(QPalette::Active, QPalette::WindowText, color);
  colors.setColor(QPalette::Inactive, QPalette::WindowText, color);
}

// A summary label: a hand cursor, blue and underlined under the pointer, and a click that
// opens the preferences window at the label's tab.
class SummaryLabel : public QLabel {
 public:
  SummaryLabel(const QString& text, QWidget* parent, std::function<void(QObject*)> click)
      : QLabel(text, parent), click_(std::move(click)) {
    setCursor(Qt::PointingHandCursor);
  }

 protected:
  void enterEvent(QEnterEvent*) override { SetHot(true); }
  void leaveEvent(QEvent*) override { SetHot(false); }
  void mouseReleaseEvent(QMouseEvent*) override { click_(this); }

 private:
  void SetHot(bool hot) {
    QFont f = font();
    f.setUnderline(hot);
    setFont(f);
    QPalette colors = palette();
    SetEnabledTextColor(
        colors, QApplication::palette().color(hot ? QPalette::Link : QPalette::ToolTipText));
    setPalette(colors);
  }

  std::function<void(QObject*)> click_;
};

}  // namespace

void TFMain::CreateImageView() {
  ImgView = new TImgView32(this);
  ImgView->setObjectName("ImgView");
  setCentralWidget(ImgView);
  connect(ImgView, &TImgView32::GDIOverlay, this,
          [this] { Label("lblImageZoom")->setText(FromCp1252(ZoomText(ZoomFactor))); });
}

void TFMain::CreateStatisticsPanel() {
  pnlStatistics = new QDockWidget("Statistics", this);
  pnlStatistics->setObjectName("pnlStatistics");
  pnlStatistics->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
  auto* body = new QWidget(pnlStatistics);
  body->setAutoFillBackground(true);
  QPalette colors = body->palette();
  // The hint colors of the desktop's theme: light yellow on a light one, and a dark tint with
  // light text on a dark one.
  colors.setColor(QPalette::Window, QApplication::palette().color(QPalette::ToolTipBase));
  SetEnabledTextColor(colors, QApplication::palette().color(QPalette::ToolTipText));
  body->setPalette(colors);
  QFont small = body->font();
  small.setPointSize(8);
  body->setFont(small);
  auto* column = new QVBoxLayout(body);
  column->setContentsMargins(kStatisticsMargin, kStatisticsMargin, kStatisticsMargin,
                             kStatisticsMargin);
  for (const GroupSpec& group : kStatisticsGroups) {
    auto* frame = new QGroupBox(group.caption, body);
    auto* rows = new QVBoxLayout(frame);
    rows->setSpacing(kStatisticsRowSpacing);
    rows->setContentsMargins(kStatisticsMargin, kStatisticsMargin, kStatisticsMargin,
                             kStatisticsMargin);
    for (const LabelEntry& entry : group.labels) {
      // The file name alone can be longer than any panel: it is shortened, not wrapped.
      QLabel* label = std::string_view(entry.name) == "lblName"
                          ? new TElidedLabel(entry.caption, 0, frame)
                          : new QLabel(entry.caption, frame);
      label->setObjectName(entry.name);
      label->setEnabled(false);
      label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
      FitWidestText(label);
      rows->addWidget(label);
    }
    if (group.labels.empty()) {
      for (std::size_t i = 0; i < SummaryLabels::kControls.size(); ++i) {
        auto* label =
            new SummaryLabel(FromCp1252(summaryLabels_.texts[i]), frame, [this](QObject* sender) {
              RunCommand("lblColorModeClick", [this, sender] { lblColorModeClick(sender); });
            });
        label->setObjectName(SummaryLabels::kControls[i]);
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        FitWidestText(label);
        rows->addWidget(label);
      }
    }
    column->addWidget(frame);
  }
  column->addStretch();
  // Every label fits its widest text on one line; what does not fit the height scrolls, and
  // room is kept for the scroll bar so that its coming covers no text.
  auto* scroller = new QScrollArea(pnlStatistics);
  scroller->setFrameShape(QFrame::NoFrame);
  scroller->setWidgetResizable(true);
  scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroller->setWidget(body);
  scroller->setMinimumWidth(body->minimumSizeHint().width() +
                            scroller->verticalScrollBar()->sizeHint().width());
  pnlStatistics->setWidget(scroller);
  // The side docks reach down to the status bar, beside the output window, so that the panel
  // has the window's height.
  setCorner(Qt::BottomLeftCorner, Qt::LeftDockWidgetArea);
  setCorner(Qt::BottomRightCorner, Qt::RightDockWidgetArea);
  pnlStatistics->installEventFilter(this);
  addDockWidget(Qt::RightDockWidgetArea, pnlStatistics);
  resizeDocks({pnlStatistics}, {kStatisticsWidth}, Qt::Horizontal);
  connect(pnlStatistics, &QDockWidget::topLevelChanged, this, [this](bool floating) {
    statisticsFloated_ = floating;
    if (floating) {
      PlaceFloatingStatistics();
    } else {
      resizeDocks({pnlStatistics}, {kStatisticsWidth}, Qt::Horizontal);
    }
  });
}

// The panel floats where it floated last; a drag out of the dock then takes it along.
void TFMain::PlaceFloatingStatistics() {
  pnlStatistics->move(statisticsFloatPos_);
  pnlStatistics->resize(kStatisticsWidth, kStatisticsHeight);
}

void TFMain::CreateOutputPanel() {
  pnlOutputPanel = new QDockWidget("Output Window", this);
  pnlOutputPanel->setObjectName("pnlOutputPanel");
  pnlOutputPanel->setAllowedAreas(Qt::BottomDockWidgetArea | Qt::LeftDockWidgetArea |
                                  Qt::RightDockWidgetArea);
  auto* body = new QWidget(pnlOutputPanel);
  auto* column = new QVBoxLayout(body);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  auto* stale = new QLabel(kOutputStaleText, body);
  stale->setObjectName("lblOutputStale");
  stale->setFrameShape(QFrame::StyledPanel);
  stale->setMargin(3);
  stale->setAutoFillBackground(true);
  QPalette colors = stale->palette();
  colors.setColor(QPalette::Window, QApplication::palette().color(QPalette::ToolTipBase));
  colors.setColor(QPalette::WindowText, QApplication::palette().color(QPalette::ToolTipText));
  stale->setPalette(colors);
  stale->hide();
  column->addWidget(stale);
  mmoDataOutput = new TMemo(body);
  mmoDataOutput->setObjectName("mmoDataOutput");
  column->addWidget(mmoDataOutput);
  pnlOutputPanel->setWidget(body);
  pnlOutputPanel->installEventFilter(this);
  addDockWidget(Qt::BottomDockWidgetArea, pnlOutputPanel);
  resizeDocks({pnlOutputPanel}, {150}, Qt::Vertical);
  connect(mmoDataOutput, &TMemo::textChanged, this, &TFMain::mmoDataOutputChange);
}

void TFMain::CreateStatusBar() {
  auto* bar = new QStatusBar(this);
  bar->setObjectName("stbStatusBar");
  // The name takes its 400 pixels while the window has them and is shortened in the middle
  // when it has not; the other fields fit their widest texts.
  auto* name = new TElidedLabel("Name:", kStatusNameWidth, bar);
  name->setObjectName("lblImageName");
  bar->addWidget(name);
  const std::pair<const char*, const char*> fields[] = {{"lblImageDimensions", "Dimensions:"},
                                                        {"lblImageZoom", "Zoom:"}};
  for (const auto& [field, caption] : fields) {
    auto* label = new QLabel(caption, bar);
    label->setObjectName(field);
    FitWidestText(label);
    bar->addWidget(new TStatusSeparator(label, bar));
    bar->addWidget(label, std::string_view(field) == "lblImageZoom" ? 1 : 0);
  }
  auto* stale = new QLabel(kOutputStaleStatus, bar);
  stale->setObjectName("lblOutputState");
  stale->hide();
  bar->addPermanentWidget(new TStatusSeparator(stale, bar));
  bar->addPermanentWidget(stale);
  setStatusBar(bar);
}

void TFMain::ShowOutputStale(bool stale) {
  outputStale_ = stale;
  Label("lblOutputStale")->setVisible(stale);
  Label("lblOutputState")->setVisible(stale);
  ShowPreviewStale(stale);
}

bool TFMain::ExportStaleOutputAnyway() {
  return !outputStale_ ||
         services_.messages.Show(kExportStaleText, kExportStaleTitle, MessageIcon::Question,
                                 MessageButtons::YesNo) == MessageResult::Yes;
}

void TFMain::ShowSummaryLabels() {
  UpdateSummaryLabels(Preferences, summaryLabels_);
  for (std::size_t i = 0; i < SummaryLabels::kControls.size(); ++i) {
    Label(SummaryLabels::kControls[i])->setText(FromCp1252(summaryLabels_.texts[i]));
  }
}

QLabel* TFMain::Label(const char* name) const {
  return labels_.Find(name);
}

}  // namespace pixmora

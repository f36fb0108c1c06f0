#include "ui/UDisplayPreview.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "image/TImgView32.h"
#include "settings/PreviewSettings.h"

namespace pixmora {

namespace {

constexpr const char* kNothingText = "Convert (F5) to see what the display will show.";
constexpr const char* kStaleText = "The preview was made before the last edit. Convert again (F5).";
constexpr const char* kToleranceHint =
    "A pixel differs when its red, green or blue is off by more than this (0 to 255). 8 lets "
    "5-6-5 through, which is never more than 7 off.";

// A bar in the colors of a hint, as the output window's.
QLabel* Bar(const QString& text, QWidget* parent) {
  auto* bar = new QLabel(text, parent);
  bar->setFrameShape(QFrame::StyledPanel);
  bar->setMargin(3);
  bar->setWordWrap(true);
  bar->setAutoFillBackground(true);
  QPalette colors = bar->palette();
  colors.setColor(QPalette::Window, colors.color(QPalette::ToolTipBase));
  colors.setColor(QPalette::WindowText, colors.color(QPalette::ToolTipText));
  bar->setPalette(colors);
  return bar;
}

QToolButton* Button(QAction* action, const char* name, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setDefaultAction(action);
  button->setToolButtonStyle(Qt::ToolButtonTextOnly);
  button->setAutoRaise(true);
  return button;
}

}  // namespace

TDisplayPreview::TDisplayPreview(QAction* differences, QAction* instead, QWidget* parent)
    : QWidget(parent) {
  setObjectName("pnlDisplayPreview");
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(2);

  // The line of controls never makes the pane wider than the splitter gives it.
  auto* bar = new QWidget(this);
  bar->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  auto* controls = new QHBoxLayout(bar);
  controls->setContentsMargins(4, 2, 4, 0);
  auto* title = new QLabel("<b>Display preview</b>", bar);
  title->setObjectName("lblDisplayPreview");
  controls->addWidget(title);
  controls->addStretch();
  btnDifferences = Button(differences, "btnDifferences", bar);
  controls->addWidget(btnDifferences);
  auto* tolerance = new QLabel("Tolerance:", bar);
  controls->addWidget(tolerance);
  spnTolerance = new QSpinBox(bar);
  spnTolerance->setObjectName("spnTolerance");
  spnTolerance->setRange(0, kMaxDifferenceTolerance);
  spnTolerance->setValue(kDefaultDifferenceTolerance);
  spnTolerance->setToolTip(kToleranceHint);
  tolerance->setToolTip(kToleranceHint);
  tolerance->setBuddy(spnTolerance);
  controls->addWidget(spnTolerance);
  btnInstead = Button(instead, "btnPreviewInstead", bar);
  controls->addWidget(btnInstead);
  column->addWidget(bar);

  lblSummary = new QLabel(kNothingText, this);
  lblSummary->setObjectName("lblPreviewSummary");
  lblSummary->setContentsMargins(4, 0, 4, 0);
  lblSummary->setWordWrap(true);
  lblSummary->setTextInteractionFlags(Qt::TextSelectableByMouse);
  column->addWidget(lblSummary);
  lblDifferences = new QLabel(this);
  lblDifferences->setObjectName("lblPreviewDifferences");
  lblDifferences->setContentsMargins(4, 0, 4, 0);
  lblDifferences->hide();
  column->addWidget(lblDifferences);
  lblPreviewStale = Bar(kStaleText, this);
  lblPreviewStale->setObjectName("lblPreviewStale");
  lblPreviewStale->hide();
  column->addWidget(lblPreviewStale);

  View = new TImgView32(this);
  View->setObjectName("ImgPreview");
  column->addWidget(View, 1);

  connect(spnTolerance, &QSpinBox::valueChanged, this, &TDisplayPreview::ToleranceChanged);
}

void TDisplayPreview::ShowOutput(const ShownOutput& shown, std::optional<int> tolerance) {
  if (shown.Empty()) {
    View->SetBitmap(TBitmap32());
    lblSummary->setText(kNothingText);
    lblDifferences->hide();
    return;
  }
  lblSummary->setText(QString::fromStdString(shown.Summary()));
  View->SetBitmap(shown.ScreenPicture(tolerance));
  const TBitmap32& picture = shown.Picture();
  const bool compared = tolerance && !picture.Empty() &&
                        picture.Width() == shown.Source().Width() &&
                        picture.Height() == shown.Source().Height();
  if (compared) {
    lblDifferences->setText(QString::fromStdString(
        DifferencesText(shown.CountDifferences(*tolerance), picture.PixelCount(), *tolerance)));
  } else if (tolerance && !picture.Empty()) {
    lblDifferences->setText(
        "The picture was edited before the preview was made: convert again "
        "to see the differences.");
  }
  lblDifferences->setVisible(tolerance && !picture.Empty());
}

void TDisplayPreview::SetStale(bool stale) {
  lblPreviewStale->setVisible(stale);
}

void TDisplayPreview::SetTolerance(int tolerance) {
  spnTolerance->setValue(tolerance);
}

}  // namespace pixmora

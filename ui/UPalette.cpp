#include "ui/UPalette.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <algorithm>

#include "image/ImageDocument.h"
#include "ui/UShape.h"

namespace pixmora {

TFPalette::TFPalette(const ImageDocument& document, QWidget* parent)
    : QDialog(parent),
      lblNumber(new QLabel("Palette Colors:", this)),
      lblColor(new QLabel("Color: 0x000000", this)),
      lblColorDetail(new QLabel(this)),
      document_(document) {
  FormCreate();
}

void TFPalette::FormCreate() {
  setObjectName("FPalette");
  setWindowTitle("Color Table");
  setWindowFlag(Qt::Tool);
  setFixedSize(280, 322);
  setFont(QFont("MS Sans Serif", 8));
  setMouseTracking(true);
  for (int i = 0; i < SwatchGrid::kCount; ++i) {
    auto* shape = new TShape(this);
    shape->setObjectName(QString("Shape%1").arg(i + 1));
    const auto position = SwatchGrid::PositionOf(i);
    shape->setGeometry(position.left, position.top, SwatchGrid::kSize, SwatchGrid::kSize);
    shape->setMouseTracking(true);
    shape->installEventFilter(this);
    Shapes[i] = shape;
  }
  lblNumber->setObjectName("lblNumber");
  lblColor->setObjectName("lblColor");
  lblNumber->move(11, 280);
  lblColor->move(179, 280);
  lblNumber->adjustSize();
  lblColor->adjustSize();
  lblColorDetail->setObjectName("lblColorDetail");
  lblColorDetail->move(11, 300);
  PaintSwatches();
}

void TFPalette::ResetSwatches() {
  grid_.Reset();
  PaintSwatches();
}

void TFPalette::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous())
    FormShow();
}

void TFPalette::FormShow() {
  lblNumber->setText(QString::fromStdString(PaletteCountText(document_.PaletteColorCount)));
  lblNumber->adjustSize();
  grid_.Fill(document_.ColorTable);
  PaintSwatches();
}

bool TFPalette::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove) {
    const auto found = std::find(Shapes.begin(), Shapes.end(), watched);
    if (found != Shapes.end()) {
      Shape1MouseMove(static_cast<int>(found - Shapes.begin()));
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TFPalette::mouseMoveEvent(QMouseEvent* event) {
  FormMouseMove();
  QDialog::mouseMoveEvent(event);
}

void TFPalette::Shape1MouseMove(int index) {
  grid_.Point(index);
  PaintSwatches();
  // Neighbours overlap, so the pointed swatch comes to the front to show all of its border.
  Shapes[index]->raise();
  lblColor->setText(QString::fromStdString(ColorText(grid_.Fills()[index])));
  lblColor->adjustSize();
  lblColorDetail->setText(QString::fromStdString(ColorDetailText(index, grid_.Fills()[index])));
  lblColorDetail->adjustSize();
}

void TFPalette::FormMouseMove() {
  grid_.ClearPointer();
  PaintSwatches();
}

void TFPalette::PaintSwatches() {
  for (int i = 0; i < SwatchGrid::kCount; ++i) {
    Shapes[i]->SetBrushColor(ColorFromBgr(grid_.Fills()[i]));
    Shapes[i]->SetPenColor(ColorFromBgr(grid_.Borders()[i]));
  }
}

}  // namespace pixmora

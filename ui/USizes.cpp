#include "ui/USizes.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace pixmora {

namespace {

constexpr const char* kHint =
    "Every encoding of the picture as it is shown now, smallest first: the bytes it takes, its "
    "data and color table, and how close the display comes to the picture (PSNR; \"exact\": "
    "every pixel as it is). Apply chooses the row's settings, as its options say; Convert (F5) "
    "then makes that output.";

}  // namespace

TFSizes::TFSizes(QWidget* parent) : QDialog(parent) {
  setObjectName("FSizes");
  setWindowTitle("Sizes");
  resize(760, 480);
  auto* column = new QVBoxLayout(this);
  lblPicture = new QLabel(this);
  lblPicture->setObjectName("lblPicture");
  lblPicture->setWordWrap(true);
  lblPicture->setToolTip(kHint);
  column->addWidget(lblPicture);
  grdSizes = new QTableWidget(0, static_cast<int>(kCompareColumns.size()), this);
  grdSizes->setObjectName("grdSizes");
  QStringList headers;
  for (const char* header : kCompareColumns)
    headers << header;
  grdSizes->setHorizontalHeaderLabels(headers);
  grdSizes->setSelectionBehavior(QAbstractItemView::SelectRows);
  grdSizes->setSelectionMode(QAbstractItemView::SingleSelection);
  grdSizes->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grdSizes->setTabKeyNavigation(false);
  grdSizes->verticalHeader()->hide();
  grdSizes->horizontalHeader()->setStretchLastSection(true);
  grdSizes->setToolTip(kHint);
  column->addWidget(grdSizes, 1);
  auto* buttons = new QDialogButtonBox(this);
  btnApply = buttons->addButton("Apply", QDialogButtonBox::AcceptRole);
  btnApply->setObjectName("btnApply");
  btnApply->setToolTip("Choose the settings of the selected row");
  btnApply->setDefault(true);
  btnClose = buttons->addButton(QDialogButtonBox::Close);
  btnClose->setObjectName("btnClose");
  column->addWidget(buttons);

  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    chosen_ = grdSizes->currentRow();
    accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(grdSizes, &QTableWidget::cellDoubleClicked, this, [this](int row) {
    chosen_ = row;
    accept();
  });
  connect(grdSizes, &QTableWidget::currentCellChanged, this,
          [this](int row) { btnApply->setEnabled(row >= 0); });
}

void TFSizes::ShowRows(std::vector<CompareRow> rows, const std::string& picture) {
  rows_ = std::move(rows);
  chosen_ = -1;
  lblPicture->setText(QString::fromStdString(picture));
  grdSizes->clearContents();
  grdSizes->setRowCount(static_cast<int>(rows_.size()));
  for (int r = 0; r < static_cast<int>(rows_.size()); ++r) {
    const std::array<std::string, 6> cells = CompareCells(rows_[static_cast<std::size_t>(r)]);
    for (int c = 0; c < static_cast<int>(cells.size()); ++c) {
      auto* item = new QTableWidgetItem(QString::fromStdString(cells[static_cast<std::size_t>(c)]));
      // The numbers to the right, as --compare prints them.
      if (c < 4)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      grdSizes->setItem(r, c, item);
    }
  }
  grdSizes->resizeColumnsToContents();
  grdSizes->setCurrentCell(rows_.empty() ? -1 : 0, 0);
  btnApply->setEnabled(!rows_.empty());
  grdSizes->setFocus();
}

const CompareRow* TFSizes::Chosen() const {
  if (result() != QDialog::Accepted || chosen_ < 0 || chosen_ >= static_cast<int>(rows_.size()))
    return nullptr;
  return &rows_[static_cast<std::size_t>(chosen_)];
}

}  // namespace pixmora

#include "ui/UFindBar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QToolButton>

#include "platform/qt/Cp1252.h"
#include "ui/TMemo.h"
#include "ui/TextSearch.h"

namespace pixmora {

TFindBar::TFindBar(TMemo& memo, QWidget* parent)
    : QWidget(parent),
      edtFind(new QLineEdit(this)),
      spnLine(new QSpinBox(this)),
      lblResult(new QLabel(this)),
      memo_(memo) {
  setObjectName("pnlFind");
  edtFind->setObjectName("edtFind");
  edtFind->setPlaceholderText("Find in output");
  edtFind->setClearButtonEnabled(true);
  spnLine->setObjectName("spnLine");
  spnLine->setMinimum(1);
  lblResult->setObjectName("lblFindResult");
  auto* previous = new QToolButton(this);
  previous->setObjectName("btnFindPrevious");
  previous->setArrowType(Qt::UpArrow);
  previous->setToolTip("Find previous (Shift+F3)");
  auto* next = new QToolButton(this);
  next->setObjectName("btnFindNext");
  next->setArrowType(Qt::DownArrow);
  next->setToolTip("Find next (F3)");
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(2, 2, 2, 2);
  row->addWidget(new QLabel("Find:", this));
  row->addWidget(edtFind, 1);
  row->addWidget(previous);
  row->addWidget(next);
  row->addWidget(lblResult);
  row->addSpacing(12);
  row->addWidget(new QLabel("Line:", this));
  row->addWidget(spnLine);
  connect(edtFind, &QLineEdit::returnPressed, this, [this] { FindNext(true); });
  connect(next, &QToolButton::clicked, this, [this] { FindNext(true); });
  connect(previous, &QToolButton::clicked, this, [this] { FindNext(false); });
  connect(spnLine, &QSpinBox::editingFinished, this, [this] {
    if (spnLine->hasFocus())
      memo_.GoToLine(static_cast<std::size_t>(spnLine->value() - 1));
  });
}

void TFindBar::StartFind() {
  show();
  edtFind->setFocus();
  edtFind->selectAll();
}

void TFindBar::StartGoToLine() {
  show();
  spnLine->setMaximum(static_cast<int>(std::max<std::size_t>(1, memo_.LineCount())));
  spnLine->setValue(static_cast<int>(memo_.LineOf(memo_.Caret())) + 1);
  spnLine->setFocus();
  spnLine->selectAll();
}

void TFindBar::FindNext(bool forward) {
  show();
  const std::string needle = ToCp1252(edtFind->text());
  const std::size_t from =
      forward ? (memo_.SelLength() > 0 ? memo_.SelStart() + 1 : memo_.Caret()) : memo_.SelStart();
  const std::optional<std::size_t> hit = FindText(memo_.Text(), needle, from, forward);
  if (!hit) {
    lblResult->setText(needle.empty() ? QString() : "Not found");
    return;
  }
  lblResult->setText(QString("Line %1").arg(memo_.LineOf(*hit) + 1));
  memo_.Select(*hit, *hit + needle.size());
}

void TFindBar::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    hide();
    memo_.setFocus();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace pixmora

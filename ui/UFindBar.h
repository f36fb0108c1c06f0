#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QSpinBox;
class QToolButton;

namespace pixmora {

class TMemo;

// The output window's search: a text found forward or backward (letters of either case), and
// a line to go to. It sits under the text and hides with Escape.
class TFindBar : public QWidget {
  Q_OBJECT

 public:
  explicit TFindBar(TMemo& memo, QWidget* parent = nullptr);

  // Shows the bar with the search field (or the line field) ready for typing.
  void StartFind();
  void StartGoToLine();
  // Selects the next (previous) occurrence after (before) the selection, wrapping around.
  void FindNext(bool forward);

  QLineEdit* edtFind;
  QSpinBox* spnLine;
  QLabel* lblResult;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  TMemo& memo_;
};

}  // namespace pixmora

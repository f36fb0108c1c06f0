#pragma once

#include <QDialog>
#include <array>

#include "settings/CustomFormat.h"

class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

namespace pixmora {

// The "Custom format" window. It edits the live custom format in place: each change of a
// field takes effect at once, and Cancel (or the close box) puts back what the format held
// when the window was shown.
class TFCustom : public QDialog {
  Q_OBJECT

 public:
  explicit TFCustom(CustomFormat& format, QWidget* parent = nullptr);
  ~TFCustom() override;

  // Closing with Rejected restores the snapshot; every close is allowed.
  void done(int result) override;

  // edtCaption .. edtCommentEnd, in the order of CustomTextFields().
  std::array<QLineEdit*, 9> TextFields{};
  QSpinBox* spnLength;
  QPlainTextEdit* mmoExample;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormShow();
  void FormCloseQuery(int result);
  // True when the key is to be discarded.
  bool spnLengthKeyPress(const QKeyEvent& key);
  void edtRowDirectiveChange();
  void UpdateExample();
  // Puts the format's values into the fields without treating that as an edit.
  void ShowFormat();

  CustomFormat& format_;
  CustomFormat snapshot_;
};

}  // namespace pixmora

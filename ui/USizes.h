#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "decode/CompareEncodings.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace pixmora {

// The "Sizes" window: the table of every encoding of the picture that pixmora-cli --compare
// prints (bytes, data, table, PSNR, encoding, options), smallest first. Apply, Enter or a
// double click on a row chooses it; the main window then applies its settings.
class TFSizes : public QDialog {
  Q_OBJECT

 public:
  explicit TFSizes(QWidget* parent = nullptr);

  // The rows to show, and what they measured ("logo.png as shown, 32 x 16 pixels").
  void ShowRows(std::vector<CompareRow> rows, const std::string& picture);
  // The row chosen when the window closed with Apply; nothing otherwise.
  const CompareRow* Chosen() const;

  QLabel* lblPicture = nullptr;
  QTableWidget* grdSizes = nullptr;
  QPushButton* btnApply = nullptr;
  QPushButton* btnClose = nullptr;

 private:
  std::vector<CompareRow> rows_;
  int chosen_ = -1;
};

}  // namespace pixmora

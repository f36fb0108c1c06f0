#pragma once

#include <QWidget>
#include <optional>

#include "decode/ShownOutput.h"

class QAction;
class QLabel;
class QSpinBox;
class QToolButton;

namespace pixmora {

class TImgView32;

// The Display preview: what the display shows of the last conversion, decoded from the bytes it
// made, in an image view that the main window keeps at the zoom and scroll of the picture's.
// Above it a line of controls (Differences, the tolerance, Instead of the picture), the summary
// of the output and, while the output is older than the last edit, a bar that says so.
class TDisplayPreview : public QWidget {
  Q_OBJECT

 public:
  // The buttons show the main window's commands.
  TDisplayPreview(QAction* differences, QAction* instead, QWidget* parent = nullptr);

  // The output, its differences from the source marked by more than `tolerance` when given;
  // an empty one says how to make one.
  void ShowOutput(const ShownOutput& shown, std::optional<int> tolerance);
  void SetStale(bool stale);
  void SetTolerance(int tolerance);

  TImgView32* View = nullptr;
  QLabel* lblSummary = nullptr;
  QLabel* lblDifferences = nullptr;
  QLabel* lblPreviewStale = nullptr;
  QSpinBox* spnTolerance = nullptr;
  QToolButton* btnDifferences = nullptr;
  QToolButton* btnInstead = nullptr;

 signals:
  void ToleranceChanged(int tolerance);
};

}  // namespace pixmora

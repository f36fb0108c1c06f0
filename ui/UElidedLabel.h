#pragma once

#include <QLabel>

namespace pixmora {

// A label whose text, when wider than the label, is shortened in the middle with an ellipsis
// each time it is painted, so it follows the label's width; a shortened text shows whole as
// its tooltip unless the label has one of its own.
class TElidedLabel : public QLabel {
  Q_OBJECT

 public:
  // preferredWidth: the width it asks for; it may shrink to a few characters.
  TElidedLabel(const QString& text, int preferredWidth, QWidget* parent);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  // The text as it is painted at the label's width.
  QString ShownText() const;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  int preferredWidth_;
};

}  // namespace pixmora

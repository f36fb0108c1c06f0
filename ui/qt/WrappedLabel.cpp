#include "ui/qt/WrappedLabel.h"

#include <QEvent>

namespace pixmora {

WrappedLabel::WrappedLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setWordWrap(true);
  Forget();
}

int WrappedLabel::heightForWidth(int width) const {
  if (text() != text_) {
    Forget();
    text_ = text();
  }
  for (const auto& [known, height] : heights_) {
    if (known == width)
      return height;
  }
  const int height = QLabel::heightForWidth(width);
  heights_[next_] = {width, height};
  next_ = (next_ + 1) % heights_.size();
  return height;
}

void WrappedLabel::changeEvent(QEvent* event) {
  // Whatever else shapes the text (its font, style or margins) measures it anew.
  Forget();
  QLabel::changeEvent(event);
}

void WrappedLabel::Forget() const {
  heights_.fill({-1, 0});
}

}  // namespace pixmora

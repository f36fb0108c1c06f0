#pragma once

#include <QLabel>
#include <QString>
#include <array>
#include <utility>

namespace pixmora {

// A word-wrapped label that remembers its height for a width. A layout asks every label of a
// column for it whenever any one of them changes, and each answer lays the text out anew: the
// statistics panel spent more on that after a Convert than on painting the output.
class WrappedLabel : public QLabel {
 public:
  WrappedLabel(const QString& text, QWidget* parent);

  int heightForWidth(int width) const override;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Forget() const;

  // The layouts ask for a few widths in turn; each is remembered, with the text it was for.
  mutable std::array<std::pair<int, int>, 4> heights_{};  // width, height; width -1: none
  mutable std::size_t next_ = 0;
  mutable QString text_;
};

}  // namespace pixmora

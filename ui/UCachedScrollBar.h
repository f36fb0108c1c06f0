#pragma once

#include <QPixmap>
#include <QScrollBar>

class QStyleOptionSlider;

namespace pixmora {

// A scroll bar that keeps the picture of its last paint and shows it again while nothing it
// shows has changed, as when a Convert empties the output window and fills it with a text of
// the same size. Drawn by the style, a long bar costs a third of a millisecond and more: the
// raster engine hands every line or fill of more than 95 rows or pixels to its thread pool,
// and waking the pool takes longer than the drawing. Under the pointer or while pressed the
// bar is drawn each time, as its hover and press states are its own. It paints its own
// background, the window color, so that the widgets behind it need not paint under it.
class TCachedScrollBar : public QScrollBar {
  Q_OBJECT

 public:
  TCachedScrollBar(Qt::Orientation orientation, QWidget* parent);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  // Everything of the bar the style draws from.
  struct Look {
    QSize size;
    qreal ratio = 0;
    const QStyle* style = nullptr;
    qint64 palette = 0;
    int state = 0;
    int direction = 0;
    int minimum = 0;
    int maximum = 0;
    int position = 0;
    int pageStep = 0;
    bool upsideDown = false;
    bool operator==(const Look&) const = default;
  };

  Look LookOf(const QStyleOptionSlider& option) const;
  bool Idle() const;

  QPixmap picture_;
  Look look_;
};

}  // namespace pixmora

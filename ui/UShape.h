#pragma once

#include <QColor>
#include <QWidget>
#include <cstdint>
#include <optional>

namespace pixmora {

// A rectangle drawn with a 1-pixel border and filled with a solid color, or left transparent
// when it has no fill.
class TShape : public QWidget {
  Q_OBJECT

 public:
  explicit TShape(QWidget* parent = nullptr);

  void SetBrushColor(std::optional<QColor> color);
  void SetPenColor(const QColor& color);
  std::optional<QColor> BrushColor() const { return brush_; }
  QColor PenColor() const { return pen_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<QColor> brush_ = QColor(Qt::white);
  QColor pen_ = Qt::black;
};

// A color kept as 0x00BBGGRR.
QColor ColorFromBgr(std::uint32_t color);

}  // namespace pixmora

#pragma once

#include <QRawFont>
#include <array>
#include <string_view>

class QFont;
class QPainter;

namespace pixmora {

// Draws Windows-1252 text one character a cell of a fixed width, as the output window lays it
// out: the glyphs stand exactly where the caret, the selection and a click take the columns to
// be, whatever fraction of a pixel the font's own advance has. The glyphs are looked up once
// per font, so a repaint shapes nothing: a screen of a big output draws in a few microseconds.
class CellText {
 public:
  explicit CellText(const QFont& font);

  // The characters of text in consecutive cells of cellWidth pixels, the first one's baseline
  // starting at (x, baseline), in the painter's pen.
  void Draw(QPainter& painter, int x, int baseline, int cellWidth, std::string_view text) const;

 private:
  QRawFont rawFont_;
  std::array<quint32, 256> glyphs_{};  // 0: the font has no glyph; drawn through the fallback
};

}  // namespace pixmora

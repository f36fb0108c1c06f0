#include "ui/qt/CellText.h"

#include <QGlyphRun>
#include <QPainter>

#include "platform/qt/Cp1252.h"

namespace pixmora {

CellText::CellText(const QFont& font) : rawFont_(QRawFont::fromFont(font)) {
  for (int code = 0; code < 256; ++code) {
    const char byte = static_cast<char>(code);
    const QList<quint32> found = rawFont_.glyphIndexesForString(FromCp1252({&byte, 1}));
    if (found.size() == 1)
      glyphs_[static_cast<std::size_t>(code)] = found.front();
  }
}

void CellText::Draw(QPainter& painter, int x, int baseline, int cellWidth,
                    std::string_view text) const {
  QList<quint32> glyphs;
  QList<QPointF> positions;
  glyphs.reserve(static_cast<qsizetype>(text.size()));
  positions.reserve(static_cast<qsizetype>(text.size()));
  for (std::size_t i = 0; i < text.size(); ++i) {
    const QPointF at(x + static_cast<int>(i) * cellWidth, baseline);
    const quint32 glyph = glyphs_[static_cast<unsigned char>(text[i])];
    if (glyph != 0) {
      glyphs.push_back(glyph);
      positions.push_back(at);
    } else {
      // A character the font lacks comes from whichever font the toolkit falls back to.
      painter.drawText(at, FromCp1252(text.substr(i, 1)));
    }
  }
  if (glyphs.isEmpty())
    return;
  QGlyphRun run;
  run.setRawFont(rawFont_);
  run.setGlyphIndexes(glyphs);
  run.setPositions(positions);
  painter.drawGlyphRun(QPointF(0, 0), run);
}

}  // namespace pixmora

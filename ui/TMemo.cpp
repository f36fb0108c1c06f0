#include "ui/TMemo.h"

#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>

#include "ui/UCachedScrollBar.h"

namespace pixmora {

namespace {

constexpr int kMargin = 2;

// Judged by the glyphs, not by the font's description: fontconfig does not mark every
// monospace font as such, and "Courier New" may stand for whatever font a machine maps it to.
bool IsMonospace(const QFont& font) {
  const QFontMetrics metrics(font);
  return metrics.horizontalAdvance(QChar('i')) == metrics.horizontalAdvance(QChar('W'));
}

QFont OutputFont() {
  QFont font("Courier New", 8);
  font.setStyleHint(QFont::TypeWriter);
  if (IsMonospace(font))
    return font;
  QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  fixed.setPointSize(8);
  fixed.setStyleHint(QFont::TypeWriter);
  return fixed;
}

}  // namespace

TMemo::TMemo(QWidget* parent) : QAbstractScrollArea(parent) {
  setFont(OutputFont());
  cells_.emplace(font());
  setHorizontalScrollBar(new TCachedScrollBar(Qt::Horizontal, this));
  setVerticalScrollBar(new TCachedScrollBar(Qt::Vertical, this));
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setBackgroundRole(QPalette::Base);
  viewport()->setAutoFillBackground(true);
  viewport()->setCursor(Qt::IBeamCursor);
  IndexLines();
}

void TMemo::SetText(std::string text) {
  owned_ = std::move(text);
  text_ = owned_;
  IndexLines();
  ShowIndexed();
}

void TMemo::Clear() {
  // The index of a big text takes tens of megabytes and a text of its own as much again; the
  // next text sizes its own. Swapped: a string assigned an empty one keeps its buffer.
  lineStarts_.Release();
  std::string().swap(owned_);
  SetText({});
}

void TMemo::ShowText(std::string_view text) {
  const std::size_t shift = text.size() - std::min(text.size(), text_.size());
  const bool headAdded = !text_.empty() && text.size() >= text_.size() &&
                         text.data() + shift == text_.data() && text_.data() != owned_.data();
  owned_ = std::string();
  text_ = text;
  if (!headAdded) {
    IndexLines();
    ShowIndexed();
    return;
  }
  // The lines after the old first line break keep their lengths and move by the head's size;
  // only the head and the line it joins are scanned.
  const std::size_t oldLines = lineStarts_.size();
  std::vector<std::size_t> head{0};
  const std::size_t scanEnd = oldLines > 1 ? shift + lineStarts_[1] : text_.size();
  longestLine_ = std::max(longestLine_, ScanLines(0, scanEnd, head));
  lineStarts_.ShiftAndReplaceFront(shift, std::min<std::size_t>(2, oldLines), head);
  longestLine_ = std::max(longestLine_, Line(lineStarts_.size() - 1).size());
  UpdateScrollBars();
  anchor_ = caret_ = 0;
  viewport()->update();
  emit textChanged();
}

void TMemo::ShowText(std::string_view text, std::span<const std::size_t> knownStarts,
                     std::size_t shift) {
  if (knownStarts.empty() || knownStarts.front() < shift ||
      knownStarts.back() - shift > text.size()) {
    ShowText(text);
    return;
  }
  owned_ = std::string();
  text_ = text;
  const std::size_t first = knownStarts.front() - shift;
  std::vector<std::size_t> head{0};
  longestLine_ = ScanLines(0, first, head);
  if (head.back() != first) {
    // The known lines do not follow a line break of the text: no index to trust.
    IndexLines();
    ShowIndexed();
    return;
  }
  head.pop_back();
  lineStarts_.Borrow(std::move(head), knownStarts, shift);
  for (std::size_t i = 1; i < knownStarts.size(); ++i) {
    // Every known line but the last ends in CR LF: its length is the distance to the next.
    longestLine_ = std::max(longestLine_, knownStarts[i] - knownStarts[i - 1] - 2);
  }
  longestLine_ =
      std::max(longestLine_, ScanLines(lineStarts_.back(), text.size(), lineStarts_.Tail()));
  longestLine_ = std::max(longestLine_, Line(lineStarts_.size() - 1).size());
  UpdateScrollBars();
  ShowIndexed();
}

void TMemo::ShowIndexed() {
  anchor_ = caret_ = 0;
  verticalScrollBar()->setValue(0);
  horizontalScrollBar()->setValue(0);
  viewport()->update();
  emit textChanged();
}

void TMemo::IndexLines() {
  // The index keeps its capacity from the last text, so a new result rarely reallocates it.
  std::vector<std::size_t>& starts = lineStarts_.Own();
  starts.assign(1, 0);
  longestLine_ = ScanLines(0, text_.size(), starts);
  longestLine_ = std::max(longestLine_, Line(lineStarts_.size() - 1).size());
  UpdateScrollBars();
}

std::size_t TMemo::ScanLines(std::size_t from, std::size_t end,
                             std::vector<std::size_t>& starts) const {
  std::size_t longest = 0;
  const char* data = text_.data();
  const char* const last = data + end;
  // memchr is not to see the null data of an empty text shown in place.
  for (const char* p = data + from; p < last; ++p) {
    p = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(last - p)));
    if (!p)
      break;
    const auto lineEnd = static_cast<std::size_t>(p - data);
    const std::size_t length = lineEnd - from - (lineEnd > from && p[-1] == '\r');
    longest = std::max(longest, length);
    starts.push_back(lineEnd + 1);
    from = lineEnd + 1;
  }
  return longest;
}

std::string_view TMemo::Line(std::size_t index) const {
  const std::size_t start = lineStarts_[index];
  std::size_t end = index + 1 < lineStarts_.size() ? lineStarts_[index + 1] - 1 : text_.size();
  if (end > start && text_[end - 1] == '\r')
    --end;
  return std::string_view(text_).substr(start, end - start);
}

std::size_t TMemo::TopLine() const {
  return static_cast<std::size_t>(std::max(0, verticalScrollBar()->value()));
}

void TMemo::SelectAll() {
  anchor_ = 0;
  caret_ = text_.size();
  viewport()->update();
}

void TMemo::ClearSelection() {
  anchor_ = caret_;
  viewport()->update();
}

void TMemo::Select(std::size_t anchor, std::size_t caret) {
  anchor_ = std::min(anchor, text_.size());
  caret_ = std::min(caret, text_.size());
  ShowCaret();
  viewport()->update();
}

std::size_t TMemo::LineOf(std::size_t offset) const {
  return lineStarts_.LineOf(offset);
}

void TMemo::GoToLine(std::size_t line) {
  line = std::min(line, lineStarts_.size() - 1);
  anchor_ = caret_ = lineStarts_[line];
  verticalScrollBar()->setValue(static_cast<int>(line > 2 ? line - 2 : 0));
  horizontalScrollBar()->setValue(0);
  viewport()->update();
}

std::size_t TMemo::OffsetAt(const QPoint& at) const {
  const long long row = std::max(0, at.y() - kMargin) / LineHeight();
  const std::size_t line =
      std::min(TopLine() + static_cast<std::size_t>(row), lineStarts_.size() - 1);
  const int x = at.x() - kMargin + horizontalScrollBar()->value() + CharWidth() / 2;
  const auto column = static_cast<std::size_t>(std::max(0, x) / CharWidth());
  return lineStarts_[line] + std::min(column, Line(line).size());
}

// Scrolls as little as needed to show the caret's line and column.
void TMemo::ShowCaret() {
  const std::size_t line = LineOf(caret_);
  const int visible = std::max(1, verticalScrollBar()->pageStep());
  if (line < TopLine())
    verticalScrollBar()->setValue(static_cast<int>(line));
  else if (line >= TopLine() + static_cast<std::size_t>(visible))
    verticalScrollBar()->setValue(static_cast<int>(line) - visible + 1);
  const long long x = static_cast<long long>(caret_ - lineStarts_[line]) * CharWidth();
  QScrollBar* horizontal = horizontalScrollBar();
  if (x < horizontal->value())
    horizontal->setValue(static_cast<int>(x));
  else if (x > horizontal->value() + viewport()->width() - 4 * CharWidth())
    horizontal->setValue(static_cast<int>(x - viewport()->width() + 4 * CharWidth()));
}

void TMemo::MoveCaret(std::size_t to, bool extend) {
  caret_ = std::min(to, text_.size());
  if (!extend)
    anchor_ = caret_;
  ShowCaret();
  viewport()->update();
}

int TMemo::LineHeight() const {
  return std::max(1, fontMetrics().lineSpacing());
}
int TMemo::CharWidth() const {
  return std::max(1, fontMetrics().horizontalAdvance(QChar('0')));
}

void TMemo::UpdateScrollBars() {
  // Both bars are always shown, so the area's own answer to a range change (a queued
  // re-layout that repaints the whole memo once more) is of no use; the bars' signals are held
  // while the ranges change and the text is repainted from the values they end with.
  const QSignalBlocker holdVertical(verticalScrollBar());
  const QSignalBlocker holdHorizontal(horizontalScrollBar());
  const int visibleLines = std::max(1, (viewport()->height() - 2 * kMargin) / LineHeight());
  const auto lines = static_cast<long long>(lineStarts_.size());
  verticalScrollBar()->setRange(0, static_cast<int>(std::max(0LL, lines - visibleLines)));
  verticalScrollBar()->setPageStep(visibleLines);
  verticalScrollBar()->setSingleStep(1);
  const long long width = static_cast<long long>(longestLine_) * CharWidth() + 2 * kMargin;
  const long long maximum = std::clamp<long long>(width - viewport()->width(), 0, INT32_MAX / 2);
  horizontalScrollBar()->setRange(0, static_cast<int>(maximum));
  horizontalScrollBar()->setPageStep(viewport()->width());
  horizontalScrollBar()->setSingleStep(CharWidth());
  viewport()->update();
}

void TMemo::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  painter.setFont(font());
  const int lineHeight = LineHeight();
  const int charWidth = CharWidth();
  const int xOffset = horizontalScrollBar()->value();
  // Only the columns that fall inside the viewport are converted and drawn.
  const auto firstColumn = static_cast<std::size_t>(std::max(0, xOffset - kMargin) / charWidth);
  const auto columns = static_cast<std::size_t>(viewport()->width() / charWidth + 2);
  const int x = kMargin + static_cast<int>(firstColumn) * charWidth - xOffset;
  const int ascent = fontMetrics().ascent();
  const QPalette& colors = palette();
  const std::size_t selStart = SelStart();
  const std::size_t selEnd = selStart + SelLength();
  int y = kMargin;
  for (std::size_t line = TopLine(); line < lineStarts_.size() && y < viewport()->height();
       ++line, y += lineHeight) {
    const std::string_view full = Line(line);
    const std::size_t start = lineStarts_[line];
    // A selected line break shows as one cell past the end of the line.
    const std::size_t from = std::clamp(selStart, start, start + full.size() + 1) - start;
    const std::size_t to = std::clamp(selEnd, start, start + full.size() + 1) - start;
    const std::size_t left = std::max(from, firstColumn);
    const std::size_t right = std::min(to, firstColumn + columns);
    if (right > left) {
      painter.fillRect(x + static_cast<int>(left - firstColumn) * charWidth, y,
                       static_cast<int>(right - left) * charWidth, lineHeight,
                       colors.color(QPalette::Highlight));
    }
    if (firstColumn >= full.size())
      continue;
    const std::string_view shown = full.substr(firstColumn, columns);
    // Drawn in three runs so the selected part takes the highlighted text color.
    const std::size_t cut1 =
        std::clamp(from, firstColumn, firstColumn + shown.size()) - firstColumn;
    const std::size_t cut2 = std::clamp(to, firstColumn, firstColumn + shown.size()) - firstColumn;
    const std::pair<std::size_t, std::size_t> runs[] = {
        {0, cut1}, {cut1, cut2}, {cut2, shown.size()}};
    for (std::size_t run = 0; run < 3; ++run) {
      const auto [a, b] = runs[run];
      if (b <= a)
        continue;
      painter.setPen(colors.color(run == 1 ? QPalette::HighlightedText : QPalette::Text));
      cells_->Draw(painter, x + static_cast<int>(a) * charWidth, y + ascent, charWidth,
                   shown.substr(a, b - a));
    }
  }
  if (hasFocus() && SelLength() == 0 && !text_.empty()) {
    const std::size_t line = LineOf(caret_);
    if (line >= TopLine()) {
      const int caretX =
          kMargin + static_cast<int>(caret_ - lineStarts_[line]) * charWidth - xOffset;
      const int caretY = kMargin + static_cast<int>(line - TopLine()) * lineHeight;
      painter.fillRect(caretX, caretY, 1, lineHeight, colors.color(QPalette::Text));
    }
  }
}

void TMemo::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
}

void TMemo::changeEvent(QEvent* event) {
  QAbstractScrollArea::changeEvent(event);
  if (event->type() == QEvent::FontChange) {
    cells_.emplace(font());
    UpdateScrollBars();
  }
}

void TMemo::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::SelectAll)) {
    SelectAll();
    return;
  }
  // With Shift the keys select from the caret; without they scroll, as in a viewer.
  if (event->modifiers().testFlag(Qt::ShiftModifier) && !text_.empty()) {
    const std::size_t line = LineOf(caret_);
    const std::size_t column = caret_ - lineStarts_[line];
    const auto at = [this](std::size_t to, std::size_t col) {
      return lineStarts_[to] + std::min(col, Line(to).size());
    };
    const auto page = static_cast<std::size_t>(std::max(1, verticalScrollBar()->pageStep()));
    const bool control = event->modifiers().testFlag(Qt::ControlModifier);
    switch (event->key()) {
      case Qt::Key_Left:
        MoveCaret(caret_ > 0 ? caret_ - 1 : 0, true);
        return;
      case Qt::Key_Right:
        MoveCaret(caret_ + 1, true);
        return;
      case Qt::Key_Up:
        MoveCaret(at(line > 0 ? line - 1 : 0, column), true);
        return;
      case Qt::Key_Down:
        MoveCaret(at(std::min(line + 1, lineStarts_.size() - 1), column), true);
        return;
      case Qt::Key_PageUp:
        MoveCaret(at(line > page ? line - page : 0, column), true);
        return;
      case Qt::Key_PageDown:
        MoveCaret(at(std::min(line + page, lineStarts_.size() - 1), column), true);
        return;
      case Qt::Key_Home:
        MoveCaret(control ? 0 : lineStarts_[line], true);
        return;
      case Qt::Key_End:
        MoveCaret(control ? text_.size() : at(line, SIZE_MAX), true);
        return;
      default:
        break;
    }
  }
  QScrollBar* vertical = verticalScrollBar();
  switch (event->key()) {
    case Qt::Key_Up:
      vertical->triggerAction(QAbstractSlider::SliderSingleStepSub);
      return;
    case Qt::Key_Down:
      vertical->triggerAction(QAbstractSlider::SliderSingleStepAdd);
      return;
    case Qt::Key_PageUp:
      vertical->triggerAction(QAbstractSlider::SliderPageStepSub);
      return;
    case Qt::Key_PageDown:
      vertical->triggerAction(QAbstractSlider::SliderPageStepAdd);
      return;
    case Qt::Key_Left:
      horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
      return;
    case Qt::Key_Right:
      horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
      return;
    case Qt::Key_Home:
      vertical->triggerAction(QAbstractSlider::SliderToMinimum);
      horizontalScrollBar()->triggerAction(QAbstractSlider::SliderToMinimum);
      return;
    case Qt::Key_End:
      vertical->triggerAction(QAbstractSlider::SliderToMaximum);
      return;
    default:
      QAbstractScrollArea::keyPressEvent(event);
  }
}

void TMemo::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && !text_.empty()) {
    const std::size_t at = OffsetAt(event->position().toPoint());
    caret_ = at;
    if (!event->modifiers().testFlag(Qt::ShiftModifier))
      anchor_ = at;
    viewport()->update();
  }
  QAbstractScrollArea::mousePressEvent(event);
}

void TMemo::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons().testFlag(Qt::LeftButton) && !text_.empty()) {
    caret_ = OffsetAt(event->position().toPoint());
    ShowCaret();
    viewport()->update();
  }
  QAbstractScrollArea::mouseMoveEvent(event);
}

// A double click selects the word under the pointer: a value such as 0x1F or a name.
void TMemo::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || text_.empty())
    return;
  const auto word = [this](std::size_t i) {
    const char c = text_[i];
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
  };
  std::size_t begin = OffsetAt(event->position().toPoint());
  std::size_t end = begin;
  while (begin > 0 && word(begin - 1))
    --begin;
  while (end < text_.size() && word(end))
    ++end;
  Select(begin, end);
}

void TMemo::contextMenuEvent(QContextMenuEvent* event) {
  if (popup_)
    popup_->exec(event->globalPos());
}

}  // namespace pixmora

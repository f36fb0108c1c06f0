#pragma once

#include <QAbstractScrollArea>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/LineStarts.h"
#include "ui/qt/CellText.h"

class QMenu;

namespace pixmora {

// A read-only, no-wrap, monospace text view over a Windows-1252 text of any size. The text is
// indexed by line starts once per change and only the visible part of the visible lines is
// laid out, so a 100 MB conversion result scrolls as smoothly as a short one. The mouse, and
// Shift with the cursor keys, select any part of it; the selection is two byte offsets.
class TMemo : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit TMemo(QWidget* parent = nullptr);

  // Every change of the text, emptying included, emits textChanged once.
  void SetText(std::string text);
  // Shows a text owned elsewhere, without a copy: the owner keeps it alive and unchanged until
  // the memo's text changes next. When the text shown so far is the tail of the new one in the
  // same buffer (a head put in front of it), only the head is indexed anew.
  void ShowText(std::string_view text);
  // As ShowText, for a text whose last lines the owner has indexed already (a LineList's: each
  // ends in CR LF): they start at knownStarts[i] - shift in text. Only the part in front of
  // them and the last line are read, and the index is used in place, not copied: the owner
  // keeps it alive and unchanged as long as the text.
  void ShowText(std::string_view text, std::span<const std::size_t> knownStarts, std::size_t shift);
  // Empties the text and gives back the memory of its line index and of a text it owned.
  void Clear();
  std::string_view Text() const { return text_; }
  bool IsEmpty() const { return text_.empty(); }

  std::size_t LineCount() const { return lineStarts_.size(); }
  // The bytes the memo itself holds for its text, kept capacity included.
  std::size_t HeldBytes() const { return owned_.capacity() + lineStarts_.OwnedBytes(); }
  // Characters of the longest line, without its line break.
  std::size_t LongestLine() const { return longestLine_; }
  std::size_t TopLine() const;
  // The line as shown, without its line break.
  std::string_view Line(std::size_t index) const;

  void SelectAll();
  void ClearSelection();
  // Selects from anchor to caret (either may be the larger) and scrolls the caret into view.
  void Select(std::size_t anchor, std::size_t caret);
  std::size_t SelStart() const { return std::min(anchor_, caret_); }
  std::size_t SelLength() const { return anchor_ > caret_ ? anchor_ - caret_ : caret_ - anchor_; }
  std::string SelectedText() const { return std::string(text_.substr(SelStart(), SelLength())); }
  std::size_t Caret() const { return caret_; }
  // The caret to the start of a line counted from 0 (past the last: the last), shown near the
  // top of the view.
  void GoToLine(std::size_t line);
  // The line that holds a text offset.
  std::size_t LineOf(std::size_t offset) const;
  // The text offset under a point of the viewport.
  std::size_t OffsetAt(const QPoint& at) const;

  // The menu shown on a right click (the output window's popup); not owned.
  void SetPopupMenu(QMenu* menu) { popup_ = menu; }

 signals:
  void textChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void IndexLines();
  // Appends the start of every line that begins after a line break in [from, end), from being
  // the start of a line; returns the longest of the lines so completed.
  std::size_t ScanLines(std::size_t from, std::size_t end, std::vector<std::size_t>& starts) const;
  void UpdateScrollBars();
  int LineHeight() const;
  int CharWidth() const;

  void ShowIndexed();
  void ShowCaret();
  // The caret moved by a key; with Shift the selection follows it.
  void MoveCaret(std::size_t to, bool extend);

  std::string owned_;      // the text given to SetText; ShowText leaves it empty
  std::string_view text_;  // the text shown: owned_ or a text owned elsewhere
  LineStarts lineStarts_;
  std::size_t longestLine_ = 0;
  std::size_t anchor_ = 0;
  std::size_t caret_ = 0;
  QMenu* popup_ = nullptr;
  std::optional<CellText> cells_;  // the glyphs of the font set
};

}  // namespace pixmora

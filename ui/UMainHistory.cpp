// Undo and redo of the picture's edits, and the window title that names the file and shows
// whether it holds edits not saved.
#include <QAction>
#include <QFileInfo>

#include "platform/qt/Cp1252.h"
#include "ui/UMain.h"

namespace pixmora {

namespace {

constexpr const char* kCaption = "Pixmora Image Converter 4.0";

}  // namespace

void TFMain::RecordEdit(const std::function<void()>& edit) {
  DocumentState before = DocumentState::Of(Document);
  edit();
  if (!before.SameAs(Document))
    history_.Record(std::move(before));
}

void TFMain::mnuUndoClick() {
  history_.Undo(Document);
}

void TFMain::mnuRedoClick() {
  history_.Redo(Document);
}

void TFMain::ShowEditState() {
  Command("mnuUndo")->setEnabled(history_.CanUndo());
  Command("mnuRedo")->setEnabled(history_.CanRedo());
  if (Document.CurrentFileName.empty()) {
    setWindowTitle(kCaption);
  } else {
    const QString name = QFileInfo(FromNativePath(Document.CurrentFileName)).fileName();
    setWindowTitle(name + "[*] - " + kCaption);
  }
  setWindowModified(Document.ImageChanged);
  // A save names the document anew; its zoom stays.
  zoomedFile_ = Document.CurrentFileName;
}

}  // namespace pixmora

#pragma once

#include <optional>
#include <string>
#include <vector>

namespace pixmora {

struct FileFilter {
  std::string description;  // "Bitmaps (*.bmp)"
  std::string patterns;     // "*.bmp", several joined by ';'
};

enum class FileDialogKind { Open, Save };

// What a common open or save dialog shows. Texts are Windows-1252, paths native bytes.
struct FileDialogOptions {
  FileDialogKind kind = FileDialogKind::Open;
  std::string title;             // empty: the platform's default title
  std::string defaultExtension;  // ".bmp": for a name without one, unless the filter names one
  std::vector<FileFilter> filters;
  bool overwritePrompt = false;
  bool picturePreview = false;
};

// The extension a name typed without one receives: the one the chosen filter names when it
// names exactly one ("*.bin" gives ".bin"), else the dialog's default extension.
std::string DefaultExtensionFor(const FileDialogOptions& dialog, std::size_t filterIndex);

// A dialog whose chosen file name persists between uses, as the program's dialogs do.
struct FileDialogState {
  FileDialogOptions dialog;
  std::string fileName;
  std::string proposedName;  // where the dialog starts while no name has been chosen
};

class FileDialogService {
 public:
  virtual ~FileDialogService() = default;
  // Shows the dialog starting at startName; the chosen path, or nothing when cancelled.
  virtual std::optional<std::string> Run(const FileDialogOptions& dialog,
                                         const std::string& startName) = 0;

  // Runs the dialog of state and keeps the chosen name in it.
  bool Execute(FileDialogState& state) {
    auto chosen = Run(state.dialog, state.fileName.empty() ? state.proposedName : state.fileName);
    if (!chosen)
      return false;
    state.fileName = *chosen;
    return true;
  }
};

}  // namespace pixmora

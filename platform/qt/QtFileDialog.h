#pragma once

#include "platform/FileDialog.h"

class QWidget;

namespace pixmora {

// Open and save dialogs as QFileDialog (the toolkit's own dialog, so the picture preview
// can sit beside the file list).
class QtFileDialog : public FileDialogService {
 public:
  explicit QtFileDialog(QWidget* parent = nullptr) : parent_(parent) {}
  std::optional<std::string> Run(const FileDialogOptions& dialog,
                                 const std::string& startName) override;

 private:
  QWidget* parent_;
};

}  // namespace pixmora

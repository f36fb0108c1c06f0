#pragma once

#include "platform/MessageBox.h"

class QString;
class QWidget;

namespace pixmora {

// A box with texts that are already decoded, owned by the active window (or parent when none
// is active).
MessageResult ShowMessageBox(QWidget* parent, const QString& text, const QString& title,
                             MessageIcon icon, MessageButtons buttons);

// Message boxes as QMessageBox over the core's Windows-1252 texts.
class QtMessageBox : public MessageBoxService {
 public:
  explicit QtMessageBox(QWidget* parent = nullptr) : parent_(parent) {}
  MessageResult Show(const std::string& text, const std::string& title, MessageIcon icon,
                     MessageButtons buttons) override;

 private:
  QWidget* parent_;
};

}  // namespace pixmora

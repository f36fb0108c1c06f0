#pragma once

#include "platform/MessageBox.h"

class QWidget;

namespace pixmora {

// Message boxes as QMessageBox, owned by the active window (or parent when none is active).
class QtMessageBox : public MessageBoxService {
 public:
  explicit QtMessageBox(QWidget* parent = nullptr) : parent_(parent) {}
  MessageResult Show(const std::string& text, const std::string& title, MessageIcon icon,
                     MessageButtons buttons) override;

 private:
  QWidget* parent_;
};

}  // namespace pixmora

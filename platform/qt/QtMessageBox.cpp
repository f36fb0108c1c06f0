#include "platform/qt/QtMessageBox.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/qt/Cp1252.h"

namespace pixmora {

namespace {

QMessageBox::Icon IconOf(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Question:
      return QMessageBox::Question;
    case MessageIcon::Warning:
      return QMessageBox::Warning;
    case MessageIcon::Error:
      return QMessageBox::Critical;
    case MessageIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ButtonsOf(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::OKCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::OK:
      break;
  }
  return QMessageBox::Ok;
}

MessageResult ResultOf(int button) {
  switch (button) {
    case QMessageBox::Ok:
      return MessageResult::OK;
    case QMessageBox::Yes:
      return MessageResult::Yes;
    case QMessageBox::No:
      return MessageResult::No;
    default:
      return MessageResult::Cancel;
  }
}

}  // namespace

MessageResult ShowMessageBox(QWidget* parent, const QString& text, const QString& title,
                             MessageIcon icon, MessageButtons buttons) {
  QWidget* owner = QApplication::activeWindow() ? QApplication::activeWindow() : parent;
  QMessageBox box(IconOf(icon), title, text, ButtonsOf(buttons), owner);
  // The close box of a box without Cancel answers with its only or its "No" button.
  if (buttons == MessageButtons::YesNo)
    box.setEscapeButton(QMessageBox::No);
  return ResultOf(box.exec());
}

MessageResult QtMessageBox::Show(const std::string& text, const std::string& title,
                                 MessageIcon icon, MessageButtons buttons) {
  return ShowMessageBox(parent_, FromCp1252(text), FromCp1252(title), icon, buttons);
}

}  // namespace pixmora

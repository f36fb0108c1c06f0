#include "platform/qt/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "platform/qt/Cp1252.h"

namespace pixmora {

void QtClipboard::SetText(const std::string& text) {
  QGuiApplication::clipboard()->setText(FromCp1252(text));
}

}  // namespace pixmora

#include "platform/qt/QtErrorReport.h"

#include <QString>

#include "platform/qt/Cp1252.h"
#include "platform/qt/QtMessageBox.h"

namespace pixmora {

void QtErrorReport::Report(const std::string& message) {
  ShowMessageBox(parent_, FromNativePath(message), "Error", MessageIcon::Error, MessageButtons::OK);
}

}  // namespace pixmora

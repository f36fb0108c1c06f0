#include "platform/qt/QtErrorReport.h"

#include "platform/qt/QtMessageBox.h"

namespace pixmora {

void QtErrorReport::Report(const std::string& message) {
  QtMessageBox(parent_).Show(message, "Error", MessageIcon::Error, MessageButtons::OK);
}

}  // namespace pixmora

#include "ui/UApplication.h"

#include <exception>

namespace pixmora {

bool TApplication::notify(QObject* receiver, QEvent* event) {
  if (!errors_)
    return QApplication::notify(receiver, event);
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::bad_alloc&) {
    errors_->Report("Out of memory");
  } catch (const std::exception& error) {
    errors_->Report(error.what());
  }
  return false;
}

}  // namespace pixmora

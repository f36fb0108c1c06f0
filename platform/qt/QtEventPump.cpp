#include "platform/qt/QtEventPump.h"

#include <QCoreApplication>

namespace pixmora {

void QtEventPump::Pump() {
  if (std::chrono::steady_clock::now() - last_ < interval_)
    return;
  QCoreApplication::processEvents();
  last_ = std::chrono::steady_clock::now();
}

}  // namespace pixmora

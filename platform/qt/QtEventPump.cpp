#include "platform/qt/QtEventPump.h"

#include <QCoreApplication>

namespace pixmora {

void QtEventPump::Pump() {
  if (--countdown_ > 0)
    return;
  countdown_ = kCallsPerClockRead;
  const auto now = std::chrono::steady_clock::now();
  if (now - last_ < interval_)
    return;
  QCoreApplication::processEvents();
  last_ = std::chrono::steady_clock::now();
}

void QtEventPump::Reset() {
  countdown_ = 0;
  last_ = {};
}

}  // namespace pixmora

#include "platform/qt/TATFileNotification.h"

#include <system_error>
#include <utility>

#include "platform/qt/TDirThread.h"

namespace pixmora {

TATFileNotification::TATFileNotification(MessageBoxService& messages) : messages_(messages) {
  timer_.setSingleShot(true);
  timer_.setInterval(kEventDelayMs);
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    if (handler_)
      handler_();
  });
}

TATFileNotification::~TATFileNotification() {
  Stop();
}

void TATFileNotification::Stop() {
  const char* error = nullptr;
  {
    std::lock_guard lock(lock_);
    if (!running_)
      return;
    try {
      worker_->Terminate();
    } catch (const std::system_error&) {
      // A thread that cannot be joined must outlive its object: it is kept, silenced.
      worker_->Silence();
      static_cast<void>(worker_.release());
      error = "Exception while terminating thread";
    }
    worker_.reset();
    ++generation_;
    timer_.stop();
    running_ = false;
  }
  // Shown outside the lock: the message box's event loop may run a handler that restarts us.
  if (error != nullptr)
    ShowError(error);
}

void TATFileNotification::SetFileName(const std::string& name) {
  std::lock_guard lock(lock_);
  fileName_ = name;
  directoryName_.clear();
}

void TATFileNotification::SetDirectoryName(const std::string& name) {
  std::lock_guard lock(lock_);
  directoryName_ = name;
  fileName_.clear();
}

void TATFileNotification::SetOptions(WatchOptions options) {
  std::lock_guard lock(lock_);
  options_ = options;
}

void TATFileNotification::Start() {
  {
    std::lock_guard lock(lock_);
    if (running_)
      return;
    const unsigned generation = ++generation_;
    try {
      worker_ = std::make_unique<TDirThread>(
          fileName_, directoryName_, options_,
          TDirThread::Callbacks{.changed = [this, generation] { WorkerChanged(generation); },
                                .waitFailed = [this] { WorkerWaitFailed(); }});
      running_ = true;
      return;
    } catch (const std::system_error&) {
      // Reported below, outside the lock.
    }
  }
  ShowError("Exception while creating thread");
}

bool TATFileNotification::Running() const {
  std::lock_guard lock(lock_);
  return running_;
}

void TATFileNotification::SetChangeHandler(std::function<void()> handler) {
  handler_ = std::move(handler);
}

void TATFileNotification::WorkerChanged(unsigned generation) {
  QMetaObject::invokeMethod(
      &timer_,
      [this, generation] {
        if (generation == generation_ && !timer_.isActive())
          timer_.start();
      },
      Qt::QueuedConnection);
}

void TATFileNotification::WorkerWaitFailed() {
  QMetaObject::invokeMethod(
      &timer_, [this] { ShowError("Exception while waiting for notification"); },
      Qt::QueuedConnection);
}

void TATFileNotification::ShowError(const char* text) {
  messages_.Show(text, "Error", MessageIcon::Error, MessageButtons::OK);
}

}  // namespace pixmora

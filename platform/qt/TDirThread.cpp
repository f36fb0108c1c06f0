#include "platform/qt/TDirThread.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <system_error>
#include <utility>

#include "platform/WatchTarget.h"

namespace pixmora {

namespace {

[[noreturn]] void ThrowSystemError(const char* what) {
  throw std::system_error(errno, std::generic_category(), what);
}

bool EndsWatch(const char* events, ssize_t length) {
  for (ssize_t at = 0; at < length;) {
    const auto* event = reinterpret_cast<const inotify_event*>(events + at);
    if ((event->mask & IN_IGNORED) != 0)
      return true;
    at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
  }
  return false;
}

}  // namespace

TDirThread::Descriptor::~Descriptor() {
  if (fd >= 0)
    close(fd);
}

TDirThread::TDirThread(const std::string& fileName, const std::string& directoryName,
                       WatchOptions options, Callbacks callbacks)
    : fileName_(fileName),
      filter_(fileName.empty() ? options : FileNotificationFilter(options)),
      callbacks_(std::move(callbacks)) {
  const std::string directory = fileName.empty() ? directoryName : WatchedDirectory(fileName);
  if (directory.empty())
    return;
  notification_.fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (notification_.fd < 0 || inotify_add_watch(notification_.fd, directory.c_str(),
                                                NotificationMask(filter_) | IN_ONLYDIR) < 0) {
    return;
  }
  stopEvent_.fd = eventfd(0, EFD_CLOEXEC);
  if (stopEvent_.fd < 0)
    ThrowSystemError("eventfd");
  remembered_ = ReadWatchedFileState(fileName_);
  thread_ = std::thread(&TDirThread::Run, this);
}

void TDirThread::Terminate() {
  if (!thread_.joinable())
    return;
  const std::uint64_t one = 1;
  if (write(stopEvent_.fd, &one, sizeof one) != static_cast<ssize_t>(sizeof one))
    ThrowSystemError("eventfd");
  thread_.join();
}

void TDirThread::Silence() {
  std::lock_guard lock(reportLock_);
  silenced_ = true;
}

void TDirThread::Run() {
  for (;;) {
    const Wake wake = WaitForNotification();
    if (wake == Wake::Failure)
      Report(callbacks_.waitFailed);
    if (wake == Wake::Stop || wake == Wake::Failure)
      return;
    if (Changed())
      Report(callbacks_.changed);
    if (wake == Wake::LastNotification)
      return;
  }
}

TDirThread::Wake TDirThread::WaitForNotification() {
  pollfd waited[] = {{stopEvent_.fd, POLLIN, 0}, {notification_.fd, POLLIN, 0}};
  for (;;) {
    if (poll(waited, 2, -1) < 0) {
      if (errno == EINTR)
        continue;
      return Wake::Failure;
    }
    if (waited[0].revents != 0)
      return Wake::Stop;
    if ((waited[1].revents & (POLLERR | POLLNVAL)) != 0)
      return Wake::Failure;
    alignas(inotify_event) char events[4096];
    const ssize_t length = read(notification_.fd, events, sizeof events);
    if (length < 0) {
      if (errno == EINTR || errno == EAGAIN)
        continue;
      return Wake::Failure;
    }
    return EndsWatch(events, length) ? Wake::LastNotification : Wake::Notification;
  }
}

bool TDirThread::Changed() {
  if (fileName_.empty())
    return true;
  const WatchedFileState now = ReadWatchedFileState(fileName_);
  if (!StatesDiffer(remembered_, now, filter_))
    return false;
  remembered_ = now;
  return true;
}

void TDirThread::Report(const std::function<void()>& callback) {
  std::lock_guard lock(reportLock_);
  if (!silenced_ && callback)
    callback();
}

}  // namespace pixmora

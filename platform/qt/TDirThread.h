#pragma once

#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "platform/FileWatch.h"
#include "platform/WatchedFileState.h"

namespace pixmora {

// The worker of TATFileNotification: waits for change notifications of one directory and
// reports through its callbacks, on its own thread. Watching a file, it reports only when the
// file's state differs from the one it remembers; watching a directory, every notification.
class TDirThread {
 public:
  struct Callbacks {
    std::function<void()> changed;
    std::function<void()> waitFailed;  // the thread ends after it
  };

  // Arms the notification and reads the file's state before the thread runs, so that any
  // change after the construction is seen. A directory that cannot be watched leaves the
  // worker without a thread: it never reports. Throws std::system_error when the stop event
  // or the thread cannot be created.
  TDirThread(const std::string& fileName, const std::string& directoryName, WatchOptions options,
             Callbacks callbacks);
  TDirThread(const TDirThread&) = delete;
  TDirThread& operator=(const TDirThread&) = delete;

  // Signals the stop event and waits until the thread has ended. Throws std::system_error
  // when it cannot; the thread may then still be running.
  void Terminate();
  // Makes the callbacks never run again, for a worker that could not be terminated.
  void Silence();

 private:
  // Closes the descriptor it holds.
  struct Descriptor {
    Descriptor() = default;
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor();
    int fd = -1;
  };
  enum class Wake {
    Stop,
    Notification,
    LastNotification,  // the directory is no longer watched, e.g. it was removed
    Failure,
  };

  void Run();
  Wake WaitForNotification();
  bool Changed();
  void Report(const std::function<void()>& callback);

  std::string fileName_;  // empty when watching a directory
  WatchOptions filter_;
  Callbacks callbacks_;
  WatchedFileState remembered_;
  Descriptor notification_;
  Descriptor stopEvent_;
  std::mutex reportLock_;
  bool silenced_ = false;
  std::thread thread_;
};

}  // namespace pixmora

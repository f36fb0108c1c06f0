#pragma once

#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "platform/FileWatch.h"
#include "platform/MessageBox.h"

namespace pixmora {

class TDirThread;

// The file-change watch: a TDirThread listens to the file's directory, and each change it
// finds starts a 55 ms single-shot timer on the GUI thread, whose timeout runs the change
// handler. A change found while the timer runs does not restart it, so one period gives one
// event. Create, use and destroy it on the GUI thread; destroying it stops it.
class TATFileNotification : public FileWatch {
 public:
  static constexpr int kEventDelayMs = 55;

  explicit TATFileNotification(MessageBoxService& messages);
  ~TATFileNotification() override;
  TATFileNotification(const TATFileNotification&) = delete;
  TATFileNotification& operator=(const TATFileNotification&) = delete;

  // A stopped watch reports nothing more, not even a change its worker had already found.
  void Stop() override;
  void SetFileName(const std::string& name) override;
  void SetDirectoryName(const std::string& name) override;
  void SetOptions(WatchOptions options) override;
  void Start() override;
  bool Running() const override;
  void SetChangeHandler(std::function<void()> handler) override;

 private:
  // Both run on the worker's thread and hand over to the GUI thread.
  void WorkerChanged(unsigned generation);
  void WorkerWaitFailed();
  void ShowError(const char* text);

  MessageBoxService& messages_;
  QTimer timer_;
  std::function<void()> handler_;

  mutable std::mutex lock_;
  std::string fileName_;
  std::string directoryName_;
  WatchOptions options_ = kImageFileChanges;
  bool running_ = false;
  // Moves on at every start and stop, so that a change found by a worker that has since been
  // stopped reaches no handler.
  std::atomic<unsigned> generation_ = 0;
  std::unique_ptr<TDirThread> worker_;
};

}  // namespace pixmora

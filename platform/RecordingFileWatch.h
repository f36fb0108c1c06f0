#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/FileWatch.h"

namespace pixmora {

// Test double: records every call in order ("Stop", "SetFileName a.png", "SetOptions 17",
// "Start", ...) and keeps the running flag the way the real watch does. Changed() plays a
// change event.
class RecordingFileWatch : public FileWatch {
 public:
  void Stop() override {
    calls.push_back("Stop");
    running = false;
  }
  void SetFileName(const std::string& name) override {
    calls.push_back("SetFileName " + name);
    fileName = name;
    directoryName.clear();
  }
  void SetDirectoryName(const std::string& name) override {
    calls.push_back("SetDirectoryName " + name);
    directoryName = name;
    fileName.clear();
  }
  void SetOptions(WatchOptions newOptions) override {
    calls.push_back("SetOptions " + std::to_string(newOptions.Bits()));
    options = newOptions;
  }
  void Start() override {
    calls.push_back("Start");
    running = true;
  }
  bool Running() const override { return running; }
  void SetChangeHandler(std::function<void()> newHandler) override {
    handler = std::move(newHandler);
  }

  void Changed() const {
    if (handler)
      handler();
  }

  std::vector<std::string> calls;
  std::string fileName;
  std::string directoryName;
  WatchOptions options = kImageFileChanges;
  bool running = false;
  std::function<void()> handler;
};

}  // namespace pixmora

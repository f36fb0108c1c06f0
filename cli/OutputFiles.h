#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/AtomicFile.h"

namespace pixmora::cli {

// Every file of a run is written in full under a temporary name first and put in place only
// when all of them could be written, so a failed run leaves no output file behind.
class OutputFiles {
 public:
  PendingFile& Add(const std::string& path) {
    files_.push_back(std::make_unique<PendingFile>(path));
    return *files_.back();
  }
  // The failure "FILE: reason", or an empty text when every file is in place.
  std::string Commit() {
    for (const auto& file : files_) {
      if (!file->Error().empty())
        return file->Path() + ": " + file->Error();
    }
    for (const auto& file : files_) {
      if (std::string reason = file->Commit(); !reason.empty()) {
        return file->Path() + ": " + reason;
      }
    }
    return {};
  }

 private:
  std::vector<std::unique_ptr<PendingFile>> files_;
};

}  // namespace pixmora::cli

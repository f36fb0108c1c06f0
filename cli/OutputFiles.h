#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/AtomicFile.h"

namespace pixmora::cli {

// A file of a run once it is in place.
struct CommittedFile {
  std::string path;
  bool replaced = false;  // false: it held these bytes already and was left alone
};

// Every file of a run is written in full under a temporary name first and put in place only
// when all of them could be written, so a failed run leaves no output file behind. A file that
// already holds the new bytes keeps its time stamp, so a build does not redo what depends on it.
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
      bool replaced = false;
      if (std::string reason = file->CommitIfChanged(replaced); !reason.empty()) {
        return file->Path() + ": " + reason;
      }
      written_.push_back({file->Path(), replaced});
    }
    return {};
  }
  const std::vector<CommittedFile>& Written() const { return written_; }

 private:
  std::vector<std::unique_ptr<PendingFile>> files_;
  std::vector<CommittedFile> written_;
};

}  // namespace pixmora::cli

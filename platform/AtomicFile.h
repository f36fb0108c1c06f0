#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace pixmora {

// A file being replaced: its bytes go to a temporary file in the target's folder and Commit
// renames that over the target, so the target is either the old file or the whole new one.
// A pending file dropped without Commit removes its temporary file and leaves the target alone.
class PendingFile {
 public:
  explicit PendingFile(std::string path);
  ~PendingFile();
  PendingFile(PendingFile&& other) noexcept;
  PendingFile& operator=(PendingFile&&) = delete;
  PendingFile(const PendingFile&) = delete;
  PendingFile& operator=(const PendingFile&) = delete;

  // Appends bytes. After the first failure further writes do nothing and Error() says why.
  void Write(std::string_view bytes);
  // Puts the file in place. Returns an empty text on success, else the system's reason (the
  // first failure of any write before it included).
  std::string Commit();
  // Commit for a build step: a target that already holds exactly these bytes is left alone,
  // time stamp included, so nothing that depends on it rebuilds. `replaced` tells which
  // happened.
  std::string CommitIfChanged(bool& replaced);

  const std::string& Path() const { return path_; }
  const std::string& Error() const { return error_; }

 private:
  void Flush();
  bool TargetHoldsSameBytes() const;
  void WriteThrough(std::string_view bytes);
  void Fail(int error);

  std::string path_;
  std::string temporary_;
  std::string error_;
  std::string buffer_;  // small writes are gathered into larger ones
  int fd_ = -1;
};

// Writes the bytes as one pending file and commits it.
// Returns an empty text on success, else the system's reason.
std::string WriteFileAtomically(const std::string& path, std::string_view bytes);
std::string WriteFileAtomically(const std::string& path, std::span<const unsigned char> bytes);

// Writes several files, each path with its bytes, under temporary names and puts them in
// place only when every one is complete, so that none is left half-written or without the
// others. Returns the path that failed and the system's reason, or nothing.
struct FileFailure {
  std::string path;
  std::string reason;
};
std::optional<FileFailure> WriteFilesAtomically(
    std::span<const std::pair<std::string, std::string>> files);

// Reads a whole file. Returns an empty text on success, else the system's reason.
std::string ReadWholeFile(const std::string& path, std::string& bytes);

}  // namespace pixmora

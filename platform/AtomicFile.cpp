#include "platform/AtomicFile.h"

#include "platform/HugePages.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace pixmora {

namespace {

std::string Reason(int error) {
  return std::strerror(error);
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos)
    return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

constexpr std::size_t kBufferSize = 1 << 16;

}  // namespace

PendingFile::PendingFile(std::string path) : path_(std::move(path)) {
  std::string pattern = FolderOf(path_) + "/.pixmora-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  fd_ = mkostemp(name.data(), O_CLOEXEC);
  if (fd_ < 0) {
    error_ = Reason(errno);
    return;
  }
  temporary_ = name.data();
  // mkstemp creates the file 0600; a replaced file gets the usual permissions instead.
  const mode_t mask = umask(0);
  umask(mask);
  fchmod(fd_, 0666 & ~mask);
}

PendingFile::PendingFile(PendingFile&& other) noexcept
    : path_(std::move(other.path_)),
      temporary_(std::move(other.temporary_)),
      error_(std::move(other.error_)),
      buffer_(std::move(other.buffer_)),
      fd_(other.fd_) {
  other.fd_ = -1;
  other.temporary_.clear();
}

PendingFile::~PendingFile() {
  if (fd_ >= 0)
    close(fd_);
  if (!temporary_.empty())
    unlink(temporary_.c_str());
}

void PendingFile::Fail(int error) {
  if (error_.empty())
    error_ = Reason(error);
}

void PendingFile::WriteThrough(std::string_view bytes) {
  while (!bytes.empty() && error_.empty()) {
    const ssize_t written = write(fd_, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno != EINTR)
        Fail(errno);
      continue;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
}

void PendingFile::Flush() {
  WriteThrough(buffer_);
  buffer_.clear();
}

void PendingFile::Write(std::string_view bytes) {
  if (!error_.empty())
    return;
  if (buffer_.size() + bytes.size() <= kBufferSize) {
    if (buffer_.capacity() < kBufferSize)
      buffer_.reserve(kBufferSize);
    buffer_.append(bytes);
    return;
  }
  Flush();
  if (bytes.size() >= kBufferSize) {
    WriteThrough(bytes);
  } else {
    buffer_.append(bytes);
  }
}

std::string PendingFile::Commit() {
  if (fd_ >= 0) {
    Flush();
    if (close(fd_) != 0)
      Fail(errno);
    fd_ = -1;
  }
  if (error_.empty() && std::rename(temporary_.c_str(), path_.c_str()) != 0)
    Fail(errno);
  if (error_.empty())
    temporary_.clear();
  return error_;
}

bool PendingFile::TargetHoldsSameBytes() const {
  struct stat mine {};
  struct stat theirs {};
  if (fstat(fd_, &mine) != 0 || stat(path_.c_str(), &theirs) != 0 || !S_ISREG(theirs.st_mode) ||
      mine.st_size != theirs.st_size) {
    return false;
  }
  const int target = open(path_.c_str(), O_RDONLY | O_CLOEXEC);
  if (target < 0)
    return false;
  std::vector<char> a(kBufferSize);
  std::vector<char> b(kBufferSize);
  bool same = true;
  for (off_t offset = 0; same && offset < mine.st_size;) {
    const ssize_t got = pread(fd_, a.data(), a.size(), offset);
    same = got > 0 && pread(target, b.data(), static_cast<std::size_t>(got), offset) == got &&
           std::memcmp(a.data(), b.data(), static_cast<std::size_t>(got)) == 0;
    offset += got;
  }
  close(target);
  return same;
}

std::string PendingFile::CommitIfChanged(bool& replaced) {
  replaced = false;
  if (fd_ >= 0 && error_.empty()) {
    Flush();
    if (error_.empty() && TargetHoldsSameBytes()) {
      close(fd_);
      fd_ = -1;
      unlink(temporary_.c_str());
      temporary_.clear();
      return {};
    }
  }
  replaced = true;
  return Commit();
}

std::string WriteFileAtomically(const std::string& path, std::string_view bytes) {
  PendingFile file(path);
  file.Write(bytes);
  return file.Commit();
}

std::string WriteFileAtomically(const std::string& path, std::span<const unsigned char> bytes) {
  return WriteFileAtomically(
      path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

std::optional<FileFailure> WriteFilesAtomically(
    std::span<const std::pair<std::string, std::string>> files) {
  std::vector<PendingFile> pending;
  pending.reserve(files.size());
  for (const auto& [path, bytes] : files) {
    pending.emplace_back(path).Write(bytes);
    if (!pending.back().Error().empty())
      return FileFailure{path, pending.back().Error()};
  }
  for (PendingFile& file : pending) {
    if (std::string reason = file.Commit(); !reason.empty())
      return FileFailure{file.Path(), reason};
  }
  return std::nullopt;
}

std::string ReadWholeFile(const std::string& path, std::string& bytes) {
  bytes.clear();
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0)
    return Reason(errno);
  struct stat info {};
  if (fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
    close(fd);
    return Reason(EISDIR);
  }
  // One allocation sized from the file; a file that grows meanwhile (or reports no size, as a
  // pipe does) gets more room as it needs it.
  std::size_t size = 0;
  const std::size_t room =
      info.st_size > 0 ? static_cast<std::size_t>(info.st_size) + 1 : std::size_t{1} << 16;
  bytes.reserve(room);
  PreferHugePages(bytes.data(), room);
  bytes.resize(room);
  for (;;) {
    if (size == bytes.size())
      bytes.resize(2 * bytes.size());
    const ssize_t got = read(fd, bytes.data() + size, bytes.size() - size);
    if (got < 0) {
      if (errno == EINTR)
        continue;
      const int error = errno;
      close(fd);
      bytes.clear();
      return Reason(error);
    }
    if (got == 0)
      break;
    size += static_cast<std::size_t>(got);
  }
  bytes.resize(size);
  close(fd);
  return {};
}

}  // namespace pixmora

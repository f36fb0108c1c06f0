#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace pixmora {

namespace {

std::string Reason(int error) { return std::strerror(error); }

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

std::string WriteFileAtomically(const std::string& path, std::string_view bytes) {
  std::string pattern = FolderOf(path) + "/.pixmora-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = mkstemp(name.data());
  if (fd < 0) return Reason(errno);

  // mkstemp creates the file 0600; a replaced file gets the usual permissions instead.
  const mode_t mask = umask(0);
  umask(mask);
  fchmod(fd, 0666 & ~mask);

  const char* data = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t written = write(fd, data, left);
    if (written < 0) {
      if (errno == EINTR) continue;
      const int error = errno;
      close(fd);
      unlink(name.data());
      return Reason(error);
    }
    data += written;
    left -= static_cast<std::size_t>(written);
  }
  if (close(fd) != 0) {
    const int error = errno;
    unlink(name.data());
    return Reason(error);
  }
  if (std::rename(name.data(), path.c_str()) != 0) {
    const int error = errno;
    unlink(name.data());
    return Reason(error);
  }
  return {};
}

std::string WriteFileAtomically(const std::string& path, std::span<const unsigned char> bytes) {
  return WriteFileAtomically(
      path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

std::string ReadWholeFile(const std::string& path, std::string& bytes) {
  bytes.clear();
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return Reason(errno);
  struct stat info {};
  if (fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
    close(fd);
    return Reason(EISDIR);
  }
  char buffer[1 << 16];
  for (;;) {
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) continue;
      const int error = errno;
      close(fd);
      return Reason(error);
    }
    if (got == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
  close(fd);
  return {};
}

}  // namespace pixmora

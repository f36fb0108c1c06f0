#pragma once

#include <functional>
#include <initializer_list>
#include <string>

namespace pixmora {

// The kinds of change a watch can be asked to notice; each one is the bit of its number in
// WatchOptions.
enum class WatchKind {
  FileName,
  DirectoryName,
  Attributes,
  Size,
  LastWrite,
  LastAccess,
  Creation,
  Security,
};

// A set of WatchKind.
class WatchOptions {
 public:
  constexpr WatchOptions() = default;
  constexpr WatchOptions(std::initializer_list<WatchKind> kinds) {
    for (WatchKind kind : kinds)
      bits_ |= BitOf(kind);
  }

  constexpr bool Has(WatchKind kind) const { return (bits_ & BitOf(kind)) != 0; }
  constexpr WatchOptions Without(WatchKind kind) const {
    WatchOptions rest;
    rest.bits_ = bits_ & ~BitOf(kind);
    return rest;
  }
  constexpr unsigned Bits() const { return bits_; }
  constexpr bool operator==(const WatchOptions&) const = default;

 private:
  static constexpr unsigned BitOf(WatchKind kind) { return 1u << static_cast<unsigned>(kind); }
  unsigned bits_ = 0;
};

// What the program watches for an open image: the file coming or going and its writes.
inline constexpr WatchOptions kImageFileChanges{WatchKind::FileName, WatchKind::LastWrite};

// Watches one file (or one directory) for changes made by any program. The change handler runs
// on the GUI thread, at most once per short period however many changes that period saw.
// Names and options take effect at the next Start.
class FileWatch {
 public:
  virtual ~FileWatch() = default;

  // Does nothing while the watch is stopped.
  virtual void Stop() = 0;
  // Also forgets any directory name.
  virtual void SetFileName(const std::string& name) = 0;
  // Also forgets any file name.
  virtual void SetDirectoryName(const std::string& name) = 0;
  virtual void SetOptions(WatchOptions options) = 0;
  // Does nothing while the watch is running.
  virtual void Start() = 0;
  virtual bool Running() const = 0;
  virtual void SetChangeHandler(std::function<void()> handler) = 0;
};

}  // namespace pixmora

#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace pixmora {

// The Recent Files list: file names exactly as they were added, most recent first.
class RecentFiles {
 public:
  static constexpr std::size_t kMaxEntries = 16;

  // An entry naming the same file (letter case ignored) moves to the top and takes the new
  // spelling; otherwise the name goes on top. Entries beyond 16 drop off the end.
  void Add(const std::string& name);
  void MoveToTop(std::size_t index);
  void Clear() { entries_.clear(); }

  // Takes over entries read from the settings file, in their order; empty names are left out.
  void Assign(const std::vector<std::string>& entries);

  const std::vector<std::string>& Entries() const { return entries_; }
  bool Empty() const { return entries_.empty(); }

  // The submenu captions in list order: "&1 name" ... "&9 name", "&A name" ... "&G name", with
  // every "&" of a name doubled so it shows as itself.
  std::vector<std::string> MenuCaptions() const;

 private:
  std::vector<std::string> entries_;
};

// Whether two file names are the same file for the list: equal without regard to letter case.
bool SameFileName(const std::string& a, const std::string& b);

}  // namespace pixmora

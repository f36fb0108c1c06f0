#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <map>
#include <string>
#include <string_view>

namespace pixmora {

// The children of one type that a window looks up by name, each found once: a look-up walks
// every object of the window, and one Convert asks for the statistics labels and the output
// commands dozens of times. A child destroyed since is looked up again.
template <class T>
class NamedChildren {
 public:
  explicit NamedChildren(const QObject& root) : root_(root) {}

  T* Find(std::string_view name) const {
    auto known = found_.find(name);
    if (known == found_.end())
      known = found_.emplace(std::string(name), nullptr).first;
    if (!known->second)
      known->second = root_.findChild<T*>(QString::fromUtf8(name.data(), name.size()));
    return known->second;
  }

 private:
  const QObject& root_;
  mutable std::map<std::string, QPointer<T>, std::less<>> found_;
};

}  // namespace pixmora

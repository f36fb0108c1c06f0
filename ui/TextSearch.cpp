#include "ui/TextSearch.h"

#include <algorithm>
#include <cstring>

namespace pixmora {

namespace {

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool MatchesAt(std::string_view text, std::size_t at, std::string_view needle) {
  for (std::size_t i = 0; i < needle.size(); ++i) {
    if (Lower(text[at + i]) != Lower(needle[i]))
      return false;
  }
  return true;
}

// The first match starting in [begin, end); memchr finds the candidates for each case of the
// first character, which keeps a search through 100 MB to a few tens of milliseconds.
std::optional<std::size_t> FirstIn(std::string_view text, std::string_view needle,
                                   std::size_t begin, std::size_t end) {
  end = std::min(end, text.size() - needle.size() + 1);
  const char lower = Lower(needle.front());
  const char upper = lower >= 'a' && lower <= 'z' ? static_cast<char>(lower - 'a' + 'A') : lower;
  const char* const data = text.data();
  std::size_t at = begin;
  while (at < end) {
    const auto* a = static_cast<const char*>(std::memchr(data + at, lower, end - at));
    const auto* b = upper == lower
                        ? nullptr
                        : static_cast<const char*>(std::memchr(data + at, upper, end - at));
    const char* hit = a && b ? std::min(a, b) : (a ? a : b);
    if (!hit)
      return std::nullopt;
    at = static_cast<std::size_t>(hit - data);
    if (MatchesAt(text, at, needle))
      return at;
    ++at;
  }
  return std::nullopt;
}

// The last match starting in [begin, end): the blocks before end are searched forward, nearest
// first, so every candidate is found by memchr as well.
std::optional<std::size_t> LastIn(std::string_view text, std::string_view needle, std::size_t begin,
                                  std::size_t end) {
  constexpr std::size_t kBlock = std::size_t{1} << 20;
  end = std::min(end, text.size() - needle.size() + 1);
  while (end > begin) {
    const std::size_t start = end - begin > kBlock ? end - kBlock : begin;
    std::optional<std::size_t> last;
    for (auto hit = FirstIn(text, needle, start, end); hit;
         hit = FirstIn(text, needle, *hit + 1, end)) {
      last = hit;
    }
    if (last)
      return last;
    end = start;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::size_t> FindText(std::string_view text, std::string_view needle,
                                    std::size_t from, bool forward) {
  if (needle.empty() || needle.size() > text.size())
    return std::nullopt;
  from = std::min(from, text.size());
  if (forward) {
    if (auto hit = FirstIn(text, needle, from, text.size()))
      return hit;
    return FirstIn(text, needle, 0, from);
  }
  if (auto hit = LastIn(text, needle, 0, from))
    return hit;
  return LastIn(text, needle, from, text.size());
}

std::size_t LineOfOffset(std::span<const std::size_t> lineStarts, std::size_t offset) {
  const auto after = std::upper_bound(lineStarts.begin(), lineStarts.end(), offset);
  return after == lineStarts.begin() ? 0 : static_cast<std::size_t>(after - lineStarts.begin()) - 1;
}

}  // namespace pixmora

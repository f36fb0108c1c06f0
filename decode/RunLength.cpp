#include "decode/RunLength.h"

#include <algorithm>

#include "decode/ValueText.h"

namespace pixmora {

std::optional<RunFault> ExpandRuns(std::span<const std::uint16_t> items, std::size_t count,
                                   std::vector<std::uint16_t>& values) {
  values.clear();
  // No more than the items can stand for: three give at most 65537 values.
  values.reserve(std::min(count, items.size() / 3 * 65537 + items.size() % 3));
  std::size_t i = 0;
  while (i < items.size()) {
    const std::uint16_t value = items[i];
    std::size_t copies = 1;
    std::size_t next = i + 1;
    if (next < items.size() && items[next] == value) {
      if (next + 1 == items.size()) {
        return RunFault{"the data ends inside a run: " + HexValue(value) +
                            " repeats, but the count that follows a pair is missing",
                        next};
      }
      copies = std::size_t{items[next + 1]} + 2;
      next += 2;
    }
    const std::size_t left = count - values.size();
    if (left == 0) {
      return RunFault{
          "the picture is complete after " + ValueCount(count) + ", but the data goes on", i};
    }
    if (copies > left) {
      return RunFault{"a run of " + ValueCount(copies) + " ends " + ValueCount(copies - left) +
                          " past the last pixel",
                      next - 1};
    }
    values.insert(values.end(), copies, value);
    i = next;
  }
  if (values.size() < count) {
    return RunFault{"the data ends after " + ValueCount(values.size()) + " of the " +
                        std::to_string(count) + " that the picture needs",
                    items.empty() ? 0 : items.size() - 1};
  }
  return std::nullopt;
}

}  // namespace pixmora

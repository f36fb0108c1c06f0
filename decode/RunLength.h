#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace pixmora {

struct RunFault {
  std::string reason;
  std::size_t item = 0;  // the item at fault, counted from 0
};

// Undoes the run-length coding: an item followed by an equal one and a count c stands for c + 2
// copies, any other item for itself. `values` receives exactly `count` values; a stream that
// gives fewer or more, or ends between a pair and its count, is a fault.
std::optional<RunFault> ExpandRuns(std::span<const std::uint16_t> items, std::size_t count,
                                   std::vector<std::uint16_t>& values);

}  // namespace pixmora

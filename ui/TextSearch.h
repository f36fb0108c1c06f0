#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace pixmora {

// Where needle next occurs in text, ASCII letters of either case matching: the first occurrence
// at or after from (forward), or the last one that starts before from (backward), wrapping
// around the text's end once. Nothing for an empty needle or when it does not occur.
std::optional<std::size_t> FindText(std::string_view text, std::string_view needle,
                                    std::size_t from, bool forward);

// The line that holds offset, given the lines' start offsets in increasing order (the first 0).
std::size_t LineOfOffset(std::span<const std::size_t> lineStarts, std::size_t offset);

}  // namespace pixmora

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace pixmora {

// Finds the lowest index of a color (0x00BBGGRR) in a table of up to 256 entries by hashing,
// with the same result as a linear search from the first entry.
class ColorIndex {
 public:
  static constexpr int kNotFound = -1;

  explicit ColorIndex(std::span<const std::uint32_t> table) {
    keys_.fill(kEmpty);
    for (std::size_t k = 0; k < table.size(); ++k) {
      const std::uint32_t color = table[k] & 0xFFFFFFu;
      std::size_t slot = Slot(color);
      while (keys_[slot] != kEmpty && keys_[slot] != color)
        slot = (slot + 1) & kMask;
      if (keys_[slot] == kEmpty) {
        keys_[slot] = color;
        indices_[slot] = static_cast<std::int32_t>(k);
      }
    }
  }

  std::int32_t Find(std::uint32_t color) const {
    for (std::size_t slot = Slot(color);; slot = (slot + 1) & kMask) {
      if (keys_[slot] == color)
        return indices_[slot];
      if (keys_[slot] == kEmpty)
        return kNotFound;
    }
  }

 private:
  static constexpr std::size_t kSlots = 1024;  // at most a quarter full
  static constexpr std::size_t kMask = kSlots - 1;
  static constexpr std::uint32_t kEmpty = 0xFFFFFFFFu;  // no 24-bit color

  static std::size_t Slot(std::uint32_t color) { return (color * 2654435761u) >> 22; }

  std::array<std::uint32_t, kSlots> keys_;
  std::array<std::int32_t, kSlots> indices_{};
};

}  // namespace pixmora

#include "platform/HugePages.h"

#include <sys/mman.h>

#include <cstdint>

namespace pixmora {

void PreferHugePages(void* data, std::size_t bytes) {
  constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
  const auto begin = reinterpret_cast<std::uintptr_t>(data);
  const std::uintptr_t first = (begin + kHugePage - 1) & ~(kHugePage - 1);
  const std::uintptr_t end = (begin + bytes) & ~(kHugePage - 1);
  // Advice only: a system without huge pages, or a range too small for one, stays as it was.
  if (first < end)
    madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
}

}  // namespace pixmora

#pragma once

#include <cstddef>
#include <vector>

namespace pixmora {

// Asks the system to back [data, data + bytes) with huge pages where it can. A picture of tens
// of megabytes otherwise takes a page fault every 4 KB when it is first written, which costs
// more here than decoding into it.
void PreferHugePages(void* data, std::size_t bytes);

// Sizes a fresh buffer of `size` zeroed values, backed by huge pages where the system can.
template <class Value>
void ResizeLarge(std::vector<Value>& buffer, std::size_t size) {
  buffer.clear();
  buffer.reserve(size);
  PreferHugePages(buffer.data(), size * sizeof(Value));
  buffer.resize(size);
}

}  // namespace pixmora

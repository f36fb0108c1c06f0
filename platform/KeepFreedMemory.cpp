#include "platform/KeepFreedMemory.h"

#include <malloc.h>

#include <climits>

namespace pixmora {

void KeepFreedMemory() {
  mallopt(M_MMAP_THRESHOLD, 32 << 20);
  mallopt(M_TRIM_THRESHOLD, INT_MAX);
}

}  // namespace pixmora

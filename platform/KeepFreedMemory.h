#pragma once

namespace pixmora {

// Lets the allocator keep freed blocks of up to 32 MB for the next allocation instead of giving
// them back to the system, which would fault every page of the next one in anew. For a short
// process that allocates and frees big buffers in turn (--compare runs dozens of conversions);
// the memory is the system's again when the process ends.
void KeepFreedMemory();

}  // namespace pixmora

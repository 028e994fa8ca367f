#include "tweaker/adapter/physical_memory.h"

#include "tweaker/platform/system.h"

namespace vdx {

uint32_t megabytesRoundedUp(uint64_t bytes) { return static_cast<uint32_t>(((bytes / 1024) + 1023) / 1024); }

uint32_t physicalMemoryMegabytes(SystemServices& system) {
  return megabytesRoundedUp(system.memoryStatus().totalPhys);
}

}  // namespace vdx

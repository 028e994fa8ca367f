// Installed physical memory in whole megabytes, rounded up.
#pragma once
#include <cstdint>

#include "tweaker/platform/system.h"

namespace vdx {

uint32_t megabytesRoundedUp(uint64_t bytes);
uint32_t physicalMemoryMegabytes(SystemServices& system);

}  // namespace vdx

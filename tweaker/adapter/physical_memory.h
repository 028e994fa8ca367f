// Installed physical memory in whole megabytes, rounded up.
#pragma once
#include <cstdint>

namespace vdx {

uint32_t megabytesRoundedUp(uint64_t bytes);
uint32_t physicalMemoryMegabytes();

}  // namespace vdx

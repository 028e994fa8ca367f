// Whole-MB memory figures from a memory-status sample (1 MB = 2^20 bytes).
#pragma once
#include <cstdint>

#include "memtool/os_family.h"
#include "memtool/platform/system.h"

namespace mt {

struct MemoryFigures {
  uint16_t TotalRAM = 0;
  uint16_t AvailRAM = 0;
  uint16_t FreePercent = 0;
  uint16_t TotalPage = 0;
  uint16_t AvailPage = 0;
  uint16_t PagePercent = 0;
};

// Bytes to MB by truncation; machines past 64 GiB stay at 65535 instead of wrapping.
uint16_t bytesToMB(uint64_t bytes);
// Total physical memory rounds up when more than 5 bytes are left over.
uint16_t totalRamMB(uint64_t bytes);
// part * 100 div total; 0 when total is 0.
uint16_t percentOf(uint16_t part, uint16_t total);
MemoryFigures measureMemory(const MemoryStatus& status);
// One memory-status sample: on the NT family the 64-bit call when the system
// has it, so figures past 4 GB are true; the 95/98 family keeps the 32-bit call.
MemoryStatus sampleMemory(SystemServices& system, OsFamily family);

}  // namespace mt

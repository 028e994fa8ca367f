#include "memtool/memory_figures.h"

namespace mt {

namespace {
constexpr uint64_t kMaxMB = 0xFFFF;
uint16_t clampMB(uint64_t mb) { return static_cast<uint16_t>(mb > kMaxMB ? kMaxMB : mb); }
}  // namespace

uint16_t bytesToMB(uint64_t bytes) { return clampMB(bytes >> 20); }

uint16_t totalRamMB(uint64_t bytes) {
  uint64_t mb = bytes >> 20;
  if ((bytes & 0xFFFFF) > 5) ++mb;
  return clampMB(mb);
}

uint16_t percentOf(uint16_t part, uint16_t total) {
  if (total == 0) return 0;
  uint32_t p = static_cast<uint32_t>(part) * 100u / total;
  return static_cast<uint16_t>(p > 0xFFFF ? 0xFFFF : p);
}

MemoryFigures measureMemory(const MemoryStatus& status) {
  MemoryFigures f;
  f.TotalRAM = totalRamMB(status.totalPhys);
  f.AvailRAM = bytesToMB(status.availPhys);
  f.FreePercent = percentOf(f.AvailRAM, f.TotalRAM);
  f.TotalPage = bytesToMB(status.totalPageFile);
  f.AvailPage = bytesToMB(status.availPageFile);
  f.PagePercent = percentOf(f.AvailPage, f.TotalPage);
  return f;
}

MemoryStatus sampleMemory(SystemServices& system, OsFamily family) {
  MemoryStatus status;
  if (family == OsFamily::WinNT && system.memoryStatusEx(&status)) return status;
  return system.memoryStatus();
}

}  // namespace mt

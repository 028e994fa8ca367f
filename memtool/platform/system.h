// Process and machine facts Memtidy asks the system for.
#pragma once
#include <cstdint>
#include <string>

namespace mt {

// Platform ids as GetVersionEx reports them.
constexpr uint32_t kPlatformWindows = 1;
constexpr uint32_t kPlatformNt = 2;

// Memory status in bytes. 64-bit so a large machine never wraps here; the
// figures are reduced to MB by the logic.
struct MemoryStatus {
  uint64_t totalPhys = 0;
  uint64_t availPhys = 0;
  uint64_t totalPageFile = 0;
  uint64_t availPageFile = 0;
};

class SystemServices {
 public:
  virtual ~SystemServices() = default;
  // A top-level window (hidden ones included) with exactly this class and title.
  virtual bool windowExists(const std::string& className, const std::string& title) = 0;
  virtual uint32_t platformId() = 0;
  // GlobalMemoryStatus: 32-bit byte counts, which machines past 4 GB cap or wrap.
  virtual MemoryStatus memoryStatus() = 0;
  // GlobalMemoryStatusEx, where kernel32 exports it (the NT family from
  // Windows 2000): false when it is missing or fails.
  virtual bool memoryStatusEx(MemoryStatus* out) = 0;
  virtual std::string currentDirectory() = 0;
  // Milliseconds since system start, wrapping at 2^32.
  virtual uint32_t tickCount() = 0;
};

}  // namespace mt

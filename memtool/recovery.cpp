#include "memtool/recovery.h"

#include <cstdint>
#include <cstring>

namespace mt {

bool blockBytes(uint32_t amountMB, uint64_t maxBytes, std::size_t* out) {
  uint64_t bytes = static_cast<uint64_t>(amountMB) << 20;
  if (bytes == 0 || bytes > maxBytes) return false;
  *out = static_cast<std::size_t>(bytes);
  return true;
}

bool recoverBlock(VirtualMemory& memory, uint32_t amountMB) {
  std::size_t bytes = 0;
  if (!blockBytes(amountMB, static_cast<uint64_t>(SIZE_MAX), &bytes)) return false;
  void* block = memory.commit(bytes);
  if (!block) return false;
  // Every page must be written: a committed page that is never touched
  // costs the system nothing and frees nothing.
  std::memset(block, 0, bytes);
  memory.release(block, bytes);
  return true;
}

}  // namespace mt

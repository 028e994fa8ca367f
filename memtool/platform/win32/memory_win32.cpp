#include <windows.h>

#include "memtool/platform/win32/win32_seam.h"

namespace mt {

void* Win32Memory::commit(std::size_t bytes) {
  return VirtualAlloc(nullptr, bytes, MEM_COMMIT, PAGE_READWRITE | PAGE_NOCACHE);
}

void Win32Memory::release(void* block, std::size_t) {
  if (block) VirtualFree(block, 0, MEM_RELEASE);
}

}  // namespace mt

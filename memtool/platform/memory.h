// Committing and releasing a private block of memory.
#pragma once
#include <cstddef>

namespace mt {

class VirtualMemory {
 public:
  virtual ~VirtualMemory() = default;
  // A fresh, readable and writable, uncached block at an address the system
  // chooses; null when it cannot be committed.
  virtual void* commit(std::size_t bytes) = 0;
  // Releases a block returned by commit.
  virtual void release(void* block, std::size_t bytes) = 0;
};

}  // namespace mt

// The recovery block: commit, write every byte, release.
#pragma once
#include <cstddef>
#include <cstdint>

#include "memtool/platform/memory.h"

namespace mt {

// amountMB * 2^20 as a byte count; false when it is 0 or does not fit below
// maxBytes (the size_t range of the build).
bool blockBytes(uint32_t amountMB, uint64_t maxBytes, std::size_t* out);

// Commits a block of amountMB MB, zeroes every byte of it and releases it.
// False, with nothing touched, when the size does not fit or the commit fails.
bool recoverBlock(VirtualMemory& memory, uint32_t amountMB);

}  // namespace mt

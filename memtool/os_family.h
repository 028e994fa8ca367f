// OSName: the platform family Memtidy runs on. It decides the minimum's
// default, the processor statistic, the disk cache tab and which memory
// status call gives true figures.
#pragma once
#include <cstdint>

#include "memtool/platform/system.h"

namespace mt {

enum class OsFamily { Win9x, WinNT };

// Anything but the NT family's platform id is taken for the 95/98 family.
inline OsFamily osFamilyOf(uint32_t platformId) {
  return platformId == kPlatformNt ? OsFamily::WinNT : OsFamily::Win9x;
}

}  // namespace mt

// The multimedia millisecond counter.
#pragma once
#include "tweaker/platform/chip_ports.h"

namespace vdx {

class Win32Clock : public MilliClock {
 public:
  uint32_t now() override;
};

}  // namespace vdx

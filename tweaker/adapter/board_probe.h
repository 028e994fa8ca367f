// What the chip's extended CRTC registers tell about the board: memory kind
// and the PCI subsystem ids.
#pragma once
#include <cstdint>

#include "tweaker/platform/chip_ports.h"

namespace vdx {

struct SubsystemIds {
  uint16_t vendorId = 0;
  uint16_t subsystemId = 0;
};

uint8_t probeMemoryType(ChipPorts& ports, uint32_t deviceId);
SubsystemIds readSubsystemIds(ChipPorts& ports, uint32_t deviceId);

}  // namespace vdx

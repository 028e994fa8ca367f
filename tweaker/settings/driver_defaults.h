// The driver's own defaults for the detected chip family.
#pragma once
#include <cstdint>

#include "tweaker/adapter/adapter_identity.h"
#include "tweaker/platform/chip_ports.h"
#include "tweaker/settings/driver_options.h"

namespace vdx {

// What the defaults depend on besides the device id: the chip's sideband
// strap bits (extended CRTC 0x70 on Savage4/2000, 0x68 on MX/IX).
struct DefaultsInput {
  uint32_t deviceId = 0;
  uint8_t extReg70 = 0;
  uint8_t extReg68 = 0;
  int32_t tmValueFloor = 64;
  int32_t defaultAgpRate = 2;
  uint32_t physicalMemoryMegabytes = 0;
};

DriverOptions driverDefaults(const DefaultsInput& in);

// Default AGP texture memory in MB for a chip and an amount of memory.
int32_t defaultAgpSize(uint32_t deviceId, uint32_t physicalMemoryMegabytes);

// Fills `defaults` for the identified adapter, reading the strap register of
// its family from the chip.
void setDriverDefaults(ChipPorts& ports, const AdapterIdentity& id, uint32_t physicalMemoryMegabytes,
                       DriverOptions& defaults);

}  // namespace vdx

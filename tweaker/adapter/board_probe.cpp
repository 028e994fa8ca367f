#include "tweaker/adapter/board_probe.h"

#include "tweaker/adapter/adapter_identity.h"
#include "tweaker/adapter/chip_registers.h"
#include "tweaker/adapter/chip_table.h"

namespace vdx {
namespace {

uint16_t readWord(ChipPorts& ports, uint8_t high, uint8_t low) {
  return static_cast<uint16_t>((readExtReg(ports, high) << 8) | readExtReg(ports, low));
}

}  // namespace

uint8_t probeMemoryType(ChipPorts& ports, uint32_t deviceId) {
  switch (chipFamily(deviceId)) {
    case ChipFamily::Savage3D:
    case ChipFamily::Savage4:
    case ChipFamily::SavageNB:
      switch (readExtReg(ports, 0x68) & 0xC0) {
        case 0x80:
        case 0xC0: return kMemorySgram;
        case 0x40: return kMemorySdram;
        default: return deviceId == 0x8A22 ? kMemorySdram : kMemoryUnknown;
      }
    case ChipFamily::SavageMX: return (readExtReg(ports, 0x36) & 0x02) ? kMemorySdram : kMemorySgram;
    case ChipFamily::Savage2000: return kMemorySdram;
    case ChipFamily::Unknown: break;
  }
  return kMemoryUnknown;
}

SubsystemIds readSubsystemIds(ChipPorts& ports, uint32_t deviceId) {
  const ChipFamily family = chipFamily(deviceId);
  SubsystemIds ids;
  if (family == ChipFamily::SavageMX || family == ChipFamily::Savage2000) {
    ids.vendorId = readWord(ports, 0x96, 0x95);
    ids.subsystemId = readWord(ports, 0x98, 0x97);
  } else {
    ids.vendorId = readWord(ports, 0x82, 0x81);
    ids.subsystemId = readWord(ports, 0x84, 0x83);
  }
  return ids;
}

}  // namespace vdx

#include "tweaker/adapter/adapter_identity.h"
#include "tweaker/adapter/chip_registers.h"
#include "tweaker/settings/driver_defaults.h"

namespace vdx {

void setDriverDefaults(ChipPorts& ports, const AdapterIdentity& id, uint32_t physicalMemoryMegabytes,
                       DriverOptions& defaults) {
  DefaultsInput in;
  in.deviceId = id.deviceId;
  in.tmValueFloor = static_cast<int32_t>(id.tmValueFloor);
  in.defaultAgpRate = static_cast<int32_t>(id.defaultAgpRate);
  in.physicalMemoryMegabytes = physicalMemoryMegabytes;
  // Only the register that carries the sideband strap on this family is read.
  switch (id.deviceId) {
    case 0x8A22: case 0x8A25: case 0x9102:
      in.extReg70 = readExtReg(ports, 0x70);
      break;
    case 0x8C10: case 0x8C11: case 0x8C12: case 0x8C13:
      in.extReg68 = readExtReg(ports, 0x68);
      break;
    default:
      break;
  }
  defaults = driverDefaults(in);
}

}  // namespace vdx

#include "tweaker/settings/driver_defaults.h"

namespace vdx {
namespace {

enum class Family { Savage3D, Savage4, MobileMxIx, Savage2000, Other };

Family familyOf(uint32_t deviceId) {
  switch (deviceId) {
    case 0x8A20: case 0x8A21: return Family::Savage3D;
    case 0x8A22: case 0x8A25: return Family::Savage4;
    case 0x8C10: case 0x8C11: case 0x8C12: case 0x8C13: return Family::MobileMxIx;
    case 0x9102: return Family::Savage2000;
    default: return Family::Other;
  }
}

void savage4Family(const DefaultsInput& in, DriverOptions* o) {
  o->BW = 0;
  o->DMACB = 4;
  o->ICD3DNOW = o->ICDSIMD = o->ICDUSEKTX = o->ICDWBUFFER = 1;
  o->FD = 1;
  o->AGPSB = (in.extReg70 & 0x80) ? 1 : 0;
  o->OS = 0;
}

}  // namespace

DriverOptions driverDefaults(const DefaultsInput& in) {
  DriverOptions o;
  o.AGP = in.defaultAgpRate;
  o.AGPSize = defaultAgpSize(in.deviceId, in.physicalMemoryMegabytes);
  switch (familyOf(in.deviceId)) {
    case Family::Savage3D:
      o.AM = 1;
      o.OS = 1;
      break;
    case Family::Savage4:
      savage4Family(in, &o);
      break;
    case Family::MobileMxIx:
      o.AA = 1;
      o.AM = 1;
      o.AGPSB = (in.extReg68 & 0x01) ? 1 : 0;
      o.OS = 0;
      break;
    case Family::Savage2000:
      savage4Family(in, &o);
      o.WB = 1;
      break;
    case Family::Other:
      return o;
  }
  o.AC = 0;
  o.WV = 1;
  o.DB = 0.0f;
  o.TP = 0;
  o.TC = 64;
  o.TM = in.tmValueFloor;
  o.Bit32 = 0;
  o.AutoS3TC = 0;
  o.S3TCDiskCache = 0;
  o.TextureCache = 1;
  o.Mipmapping = 1;
  o.TSL = 0;
  o.WC = 0;
  return o;
}

int32_t defaultAgpSize(uint32_t deviceId, uint32_t m) {
  if (familyOf(deviceId) == Family::Savage4) {
    if (m >= 64) return 28;
    if (m >= 32) return 24;
    if (m >= 16) return 16;
    return static_cast<int32_t>(m / 2);
  }
  if (m >= 256) return 64;
  if (m >= 128) return 40;
  if (m >= 64) return 24;
  return 16;
}

}  // namespace vdx

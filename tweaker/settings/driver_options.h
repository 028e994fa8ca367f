// Every switch the display, OpenGL and MiniGL drivers read from the
// registry, one 32-bit field each (DB is a float). Switches hold 0 or 1,
// three-way fields -1 (off / 16-bit), 0 (auto) or 1 (on / 32-bit).
#pragma once
#include <cstdint>

namespace vdx {

struct DriverOptions {
  int32_t AA = 0;
  int32_t AGPSB = 0;
  int32_t VO = 0;
  int32_t AM = 0;
  int32_t AT = 0;
  int32_t AC = 0;
  int32_t EF = 0;
  int32_t ES = 0;
  int32_t TP = 0;
  int32_t FD = 0;
  int32_t ATB = 0;
  int32_t WV = 0;
  int32_t FB = 0;
  int32_t OS = 0;
  int32_t TSL = 0;
  int32_t BW = 0;
  int32_t WC = 0;
  int32_t ZB = 0;
  int32_t ZC = 0;
  int32_t NF = 0;
  int32_t WB = 0;
  int32_t HSP = 0;
  float DB = 0.0f;
  int32_t AGPSize = 0;
  int32_t AGP = 0;
  int32_t TC = 0;
  int32_t TM = 0;
  int32_t DMACB = 0;
  int32_t ICDMode = 0;
  int32_t Bit32 = 0;  // registry value "32Bit"
  int32_t AutoS3TC = 0;
  int32_t S3TCDiskCache = 0;
  int32_t TextureCache = 0;
  int32_t Mipmapping = 0;
  int32_t ICD3DNOW = 0;
  int32_t ICDSIMD = 0;
  int32_t ICDUSEKTX = 0;
  int32_t ICDWBUFFER = 0;
  int32_t ICDHWTL = 0;
  int32_t ICDFOGTABLE = 0;
  int32_t ICDTEXTURESIZE = 0;
  int32_t ICDAZ = 0;
};

bool operator==(const DriverOptions& a, const DriverOptions& b);
inline bool operator!=(const DriverOptions& a, const DriverOptions& b) { return !(a == b); }

// The program holds two: defaultOptions, the driver's defaults for this chip
// (zero until set at start-up), and currentOptions, the values in force.

}  // namespace vdx
